#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

// Text helpers for file names, numbers and generated scripts. None of them
// fails: a text that cannot be read gives 0 or an empty text.

// Removes every character of code 32 or below from both ends.
QString TrimText(const QString& sText);

// The file name without folders ("/" or "\") and without its last extension,
// trimmed: "a/my.popup.zrj" gives "my.popup", ".zrj" gives "".
QString GetBaseFileName(const QString& sPath);
// 1-based position of the last occurrence of the character; 0 when absent.
int LastPos(QChar c, const QString& sText);
// A decimal whole number (optional sign, blanks around ignored); 0 otherwise.
int StrToIntZero(const QString& sText);
// Removes the locale's thousands separators, then reads a real number with the
// locale's decimal separator; 0 when that fails.
double StrToFloatNoSeparators(const QString& sText, const QLocale& locale = QLocale());
// The trimmed text with every occurrence of the character removed.
QString RemoveChar(QChar c, const QString& sText);
// Keeps only characters with codes above 31, so line breaks and tabs vanish.
QString RemoveControlChars(const QString& sText);
// The path in angle brackets, as messages about files show it: "<a/b.zrj>".
QString Bracketed(const QString& sPath);
// Puts a backslash before every double quote; nothing else is escaped.
QString EscapeQuotes(const QString& sText);
// Splits the trimmed text at the first delimiter, both parts trimmed; without
// the delimiter the head is the whole text and the rest empty.
void SplitAtDelimiter(const QString& sText, const QString& sDelimiter, QString& sHead, QString& sRest);
// The trimmed path with one trailing folder separator ("\" or "/") removed.
QString RemoveTrailingBackslash(const QString& sPath);
