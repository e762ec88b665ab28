#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files of projects and generated output.
//
// Files are written as UTF-8 without a byte-order mark, each line ending in
// CR LF, replacing an existing file in one go (a failed write leaves the old
// file untouched). Reading accepts UTF-8 (with or without a byte-order mark)
// and, when the bytes are not valid UTF-8, Windows-1252, so files made by
// older Windows installations load; CR, LF or CR LF all end a line.

// Decodes file bytes as UTF-8, or as Windows-1252 when they are not valid UTF-8.
QString DecodeText(const QByteArray& bytes);
// Splits text into lines at CR LF, CR or LF; a final line end adds no empty line.
QStringList SplitTextLines(const QString& sText);
// Joins lines with CR LF after every line, the last included.
QString JoinTextLines(const QStringList& lines);

bool ReadTextFile(const QString& sFileName, QString& sText);
bool ReadTextLines(const QString& sFileName, QStringList& lines);
// Writes the text exactly as given (no line ends added), UTF-8 encoded.
bool WriteTextFileWhole(const QString& sFileName, const QString& sText);
// Writes the lines, each followed by CR LF.
bool WriteTextLines(const QString& sFileName, const QStringList& lines);
// Writes the lines as WriteTextLines does, unless the file already holds
// exactly those bytes: an unchanged file is not touched at all (its time stamp
// stays), so saving a project costs only what changed. A changed file that
// nobody may write to is not replaced and the write fails.
bool WriteChangedTextLines(const QString& sFileName, const QStringList& lines);
