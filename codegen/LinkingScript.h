#pragma once

#include <QString>
#include <QStringList>

#include "ScriptContext.h"

// The linking file: the script a page includes after the runtime library. It
// constructs the project's popups, builds them with their content and runs
// their trigger commands once the page has loaded.

// Appends the three lines that create the modal mask popup from the mask
// template "Modal1.zrx" of the base template folder. A missing or unreadable
// template is reported and fails; nothing is appended then.
bool AddModalMaskBlock(const TScriptContext& context, QStringList& lines);

// Writes the linking file of a single-popup project. sModal, sCmd and
// sContentScript are the instance's mask command, trigger command and content
// script string. On success the file exists and its path is appended to
// outputFiles; on failure no file is written.
bool WriteLinkingFile(const TScriptContext& context, const TZEPInstance& instance, QStringList& outputFiles,
                      const QStringList& gateLines, const QString& sFilePath, const QString& sModal,
                      const QString& sCmd, const QString& sContentScript);

// Writes the linking file of a multi-popup project; the contents come from the
// content file's variables. Same outcome rules as WriteLinkingFile.
bool WriteCombinedLinkingFile(const TScriptContext& context, const TInstanceRefs& instances, QStringList& outputFiles,
                              const QStringList& gateLines, const QString& sFilePath);
