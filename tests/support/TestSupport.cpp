#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QByteArray ReadWholeFile(const QString& sPath) {
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable " + sPath.toUtf8() + '>';
    return file.readAll();
}

bool WriteWholeFile(const QString& sPath, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(sPath).absolutePath());
    QFile file(sPath);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void PrintTo(const QString& sText, std::ostream* os) {
    *os << '"' << sText.toStdString() << '"';
}

void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{' << list.join(QStringLiteral(" | ")).toStdString() << '}';
}
