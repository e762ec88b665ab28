#include "PasswordCodec.h"

#include <QByteArray>

QString EncodeStoredPassword(const QString& sPassword) {
    return QString::fromLatin1(sPassword.toUtf8().toHex().toUpper());
}

QString DecodeStoredPassword(const QString& sStored) {
    if (sStored.size() % 2 != 0)
        return {};
    return QString::fromUtf8(QByteArray::fromHex(sStored.toLatin1()));
}
