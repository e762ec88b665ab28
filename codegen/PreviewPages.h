#pragma once

#include <QString>
#include <QStringList>

#include "ScriptContext.h"

// The preview texts: the preview page that models the designer's page (also
// the compiled "_Preview.html"), the host pages and internal page of the
// embedded preview, the internal script and the tooltip script.

enum class CPreviewMode { pmPreview, pmCompile };

struct TPreviewText {
    QStringList PreviewHTML;    // the preview page, one entry per line
    QStringList MouseEventHTML; // the link code of click, mouse and tooltip popups
};

// Fills text from the preview page template for the given popups. In preview
// mode the explanatory text is included and sequential layers show only their
// first link. Fails, with a report, when the template is too short.
bool BuildPreviewHTML(const TScriptContext& context, const TInstanceRefs& instances, CPreviewMode mode,
                      TPreviewText& text);
bool BuildSingleInstancePreviewHTML(const TScriptContext& context, TZEPInstance& instance, TPreviewText& text);

// The page text inserted into the embedded browser's host page: the whole
// library inline, then the internal script and the preview page's body lines.
QString GetInternalPage(const TScriptContext& context, const TZEPInstance& instance, const TPreviewText& text);

// Writes "zepInternal.js" into the project folder.
bool WriteInternalScript(const TScriptContext& context, const TZEPInstance& instance, const QString& sContentScript,
                         const QString& sCmd, const QString& sModal);

// Writes the host page "zepInternal.html" for the instance (the modal form for
// a modal popup) into the project folder and answers its path, or empty.
QString WriteHostPage(const TScriptContext& context, const TZEPInstance& instance);

// The tooltip script's path: project folder, base and "_ZEPtooltips.js".
QString TooltipScriptPath(const TScriptContext& context);
// Writes the tooltip script: the single line "ZEPtooltip1=" and the content script string.
bool WriteTooltipScript(const QString& sPath, const QString& sContentScript);

// Everything a preview of one popup needs short of the browser: the host page,
// the tooltip script (not for templates), the mask style sheet, the preview
// page, the internal page and the internal script. sHostPage and sInternalPage
// receive the page to load and the text to insert. Fails when the preview
// page cannot be built or a file cannot be written.
bool PreparePreview(const TScriptContext& context, TZEPInstance& instance, TPreviewText& text, QString& sHostPage,
                    QString& sInternalPage);
