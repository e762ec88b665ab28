#pragma once

#include <QString>
#include <QStringView>

// JavaScript string literals in generated script and in content files.

// Escapes a text for use inside a double-quoted JavaScript string: backslash,
// double quotation mark, carriage return, line feed and the two script line
// separators are escaped, and "</" becomes "<\/" so that the text cannot end
// an enclosing script element. Other characters stay as they are.
QString EscapeScriptString(const QString& sText);

// The text as one double-quoted string literal: backslash, double quotation
// mark, carriage return, line feed and the two script line separators are
// escaped, nothing else. A content string whose text has none of these comes
// out as the text between quotation marks.
QString QuoteScriptString(const QString& sText);

// Reads sLiteral as exactly one string literal (double or single quotes, with
// the language's escapes), optionally followed by one ";" and blanks. Answers
// false, leaving sValue alone, for anything else: an unfinished string, code
// before or after it, or an invalid escape.
bool ParseScriptString(QStringView sLiteral, QString& sValue);
