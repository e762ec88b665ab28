#include "TestSupport.h"

#include <QFile>

QByteArray ReadWholeFile(const QString& sPath) {
    QFile file(sPath);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable " + sPath.toUtf8() + '>';
    return file.readAll();
}

void PrintTo(const QString& sText, std::ostream* os) {
    *os << '"' << sText.toStdString() << '"';
}

void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{' << list.join(QStringLiteral(" | ")).toStdString() << '}';
}
