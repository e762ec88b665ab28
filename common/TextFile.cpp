#include "TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; unassigned codes map
// to the C1 control of the same value, as the platform's converter does.
constexpr std::array<char16_t, 32> aCp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeWindows1252(const QByteArray& bytes) {
    QString sText(bytes.size(), Qt::Uninitialized);
    QChar* out = sText.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b <= 0x9F ? aCp1252High[b - 0x80] : char16_t(b));
    }
    return sText;
}

} // namespace

QString DecodeText(const QByteArray& bytes) {
    QByteArrayView data(bytes);
    if (data.startsWith("\xEF\xBB\xBF")) {
        data = data.sliced(3);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString sText = decoder.decode(data);
    if (!decoder.hasError()) {
        return sText;
    }
    return DecodeWindows1252(data.toByteArray());
}

QStringList SplitTextLines(const QString& sText) {
    QStringList lines;
    ForEachTextLine(sText, [&lines](QStringView sLine) { lines.append(sLine.toString()); });
    return lines;
}

QString JoinTextLines(const QStringList& lines) {
    QString sText;
    qsizetype iLength = 0;
    for (const QString& sLine : lines) {
        iLength += sLine.size() + 2;
    }
    sText.reserve(iLength);
    for (const QString& sLine : lines) {
        sText += sLine;
        sText += QLatin1String("\r\n");
    }
    return sText;
}

bool ReadTextFile(const QString& sFileName, QString& sText, QString* sReason) {
    const auto refuse = [sReason](const char* sWhy) {
        if (sReason != nullptr) {
            *sReason = QLatin1String(sWhy);
        }
        return false;
    };
    // Opening a pipe or a device would wait for a writer or never end.
    const QFileInfo info(sFileName);
    if (info.exists() && !info.isFile()) {
        return refuse("it is not a regular file");
    }
    if (info.size() > ciMaxTextFileSize) {
        return refuse("it is larger than 64 MB");
    }
    QFile file(sFileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return refuse("");
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return refuse("");
    }
    sText = DecodeText(bytes);
    return true;
}

bool ReadTextLines(const QString& sFileName, QStringList& lines, QString* sReason) {
    QString sText;
    if (!ReadTextFile(sFileName, sText, sReason)) {
        return false;
    }
    lines = SplitTextLines(sText);
    return true;
}

QString ReasonSuffix(const QString& sReason) {
    return sReason.isEmpty() ? QString() : QStringLiteral(": ") + sReason;
}

namespace {

// Replaces the file in one go: the bytes go to a temporary file beside it,
// which is flushed to the disk and then renamed over the file.
bool WriteBytesWhole(const QString& sFileName, const QByteArray& bytes) {
    QSaveFile file(sFileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool FileHoldsBytes(const QString& sFileName, const QByteArray& bytes) {
    QFile file(sFileName);
    return file.open(QIODevice::ReadOnly) && file.size() == bytes.size() && file.readAll() == bytes;
}

// A file marked read-only: no write permission for its owner, its group or
// others. Replacing it by a rename would override that mark for every user
// who may write the folder, the administrator included.
bool IsReadOnlyFile(const QString& sFileName) {
    const QFileInfo info(sFileName);
    constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return info.exists() && !(info.permissions() & anyWrite);
}

} // namespace

bool WriteTextFileWhole(const QString& sFileName, const QString& sText) {
    return WriteBytesWhole(sFileName, sText.toUtf8());
}

bool WriteTextLines(const QString& sFileName, const QStringList& lines) {
    return WriteTextFileWhole(sFileName, JoinTextLines(lines));
}

CTextFileWrite WriteChangedTextLines(const QString& sFileName, const QStringList& lines) {
    const QByteArray bytes = JoinTextLines(lines).toUtf8();
    if (FileHoldsBytes(sFileName, bytes)) {
        return twUnchanged;
    }
    return !IsReadOnlyFile(sFileName) && WriteBytesWhole(sFileName, bytes) ? twWritten : twFailed;
}
