#pragma once

#include <QString>
#include <QStringList>

// Checks and escapes for text that the compiler writes into generated script.

// Escapes a text for use inside a double-quoted JavaScript string: backslash,
// double quotation mark, carriage return, line feed and the two script line
// separators are escaped, and "</" becomes "<\/" so that the text cannot end
// an enclosing script element. Other characters stay as they are.
QString EscapeScriptString(const QString& sText);

// True when the text is usable as a page-global JavaScript variable name:
// a letter, "_" or "$" followed by letters, digits, "_" or "$", not a
// reserved word of the language, and not a name that the generated scripts
// or the browser window already use for something else.
bool IsValidScriptName(const QString& sName);

// Checks the popups' unique IDs (given as stored) before anything is written:
// every trimmed ID must be a valid script name and no two may be equal.
// Answers an empty text when they are sound, else the compile error to report.
QString CheckUniqueIDs(const QStringList& uniqueIDs);
