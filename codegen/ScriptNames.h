#pragma once

#include <QString>
#include <QStringList>

#include "ScriptString.h"

// Checks and escapes for text that the compiler writes into generated script
// and pages.

// Escapes a text for a double-quoted HTML attribute value: "&", "<", ">" and
// the double quotation mark become character references.
QString EscapeHtmlAttribute(const QString& sText);

// True for a plain identifier: a letter, "_" or "$" followed by letters,
// digits, "_" or "$", and not a reserved word of the language.
bool IsScriptIdentifier(const QString& sName);
// True for a global name that the page already has: one of the language or
// of the browser window (any engine), or one the generated scripts define or
// the runtime library shares with them (its other names stay in its own scope).
bool IsGlobalNameInUse(const QString& sName);
// True when the text is usable as a popup's page-global variable name: an
// identifier that no global of the page uses.
bool IsValidScriptName(const QString& sName);

// Checks the popups' unique IDs (given as stored) before anything is written:
// every trimmed ID must be a valid script name and no two may be equal, not
// even in another letter case. Answers an empty text when they are sound,
// else the compile error to report.
QString CheckUniqueIDs(const QStringList& uniqueIDs);
