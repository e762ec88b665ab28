#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

// Text files of projects and generated output.
//
// Files are written as UTF-8 without a byte-order mark, each line ending in
// CR LF, replacing an existing file in one go (a failed write leaves the old
// file untouched). Reading accepts UTF-8 (with or without a byte-order mark)
// and, when the bytes are not valid UTF-8, Windows-1252, so files made by
// older Windows installations load; CR, LF or CR LF all end a line.

// Decodes file bytes as UTF-8, or as Windows-1252 when they are not valid UTF-8.
QString DecodeText(const QByteArray& bytes);
// Calls line(QStringView) for every line of the text, split at CR LF, CR or
// LF; a final line end adds no empty line.
template <class TLineFunction> void ForEachTextLine(QStringView sText, TLineFunction&& line) {
    qsizetype iStart = 0;
    const qsizetype iSize = sText.size();
    for (qsizetype i = 0; i < iSize; ++i) {
        const QChar c = sText[i];
        if (c == u'\r' || c == u'\n') {
            line(sText.mid(iStart, i - iStart));
            if (c == u'\r' && i + 1 < iSize && sText[i + 1] == u'\n') {
                ++i;
            }
            iStart = i + 1;
        }
    }
    if (iStart < iSize) {
        line(sText.mid(iStart));
    }
}
// The lines of the text as ForEachTextLine finds them.
QStringList SplitTextLines(const QString& sText);
// Joins lines with CR LF after every line, the last included.
QString JoinTextLines(const QStringList& lines);

// The largest project or side file that is read; a larger one is refused
// instead of being read whole.
inline constexpr qint64 ciMaxTextFileSize = 64 * 1024 * 1024;

// Reads the whole file. Anything but a regular file (a pipe, a device, a
// folder) is refused at once, before it is opened, and so is a file above
// ciMaxTextFileSize; sReason, when given, then receives why ("it is not a
// regular file", "it is larger than 64 MB"). A file that cannot be opened or
// read fails with an empty reason.
bool ReadTextFile(const QString& sFileName, QString& sText, QString* sReason = nullptr);
bool ReadTextLines(const QString& sFileName, QStringList& lines, QString* sReason = nullptr);
// The reason appended to a message: ": " and the reason, or nothing.
QString ReasonSuffix(const QString& sReason);
// Writes the text exactly as given (no line ends added), UTF-8 encoded.
bool WriteTextFileWhole(const QString& sFileName, const QString& sText);
// Writes the lines, each followed by CR LF.
bool WriteTextLines(const QString& sFileName, const QStringList& lines);
// What WriteChangedTextLines did.
enum CTextFileWrite { twUnchanged, twWritten, twFailed };
// Writes the lines as WriteTextLines does, unless the file already holds
// exactly those bytes: an unchanged file is not touched at all (its time stamp
// stays), so saving a project costs only what changed. A changed file that
// nobody may write to is not replaced and the write fails.
CTextFileWrite WriteChangedTextLines(const QString& sFileName, const QStringList& lines);
