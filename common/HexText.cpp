#include "HexText.h"

namespace {

int HexDigitValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9') {
        return u - '0';
    }
    if (u >= 'A' && u <= 'F') {
        return u - 'A' + 10;
    }
    if (u >= 'a' && u <= 'f') {
        return u - 'a' + 10;
    }
    return -1;
}

} // namespace

std::optional<int> HexToInt(const QString& sText, QString* psError) {
    quint32 iValue = 0;
    bool bValid = !sText.isEmpty();
    for (const QChar c : sText) {
        const int iDigit = HexDigitValue(c);
        if (iDigit < 0) {
            bValid = false;
            break;
        }
        iValue = iValue * 16 + quint32(iDigit);
    }
    if (!bValid) {
        if (psError) {
            *psError = QString::fromLatin1(sIllegalHexCharacter);
        }
        return std::nullopt;
    }
    return static_cast<int>(iValue);
}

int HexToIntDef(const QString& sText) {
    return HexToInt(sText).value_or(0);
}

QString StringToHexText(const QString& sText) {
    QString sHex;
    sHex.reserve(sText.size() * 2);
    for (const QChar c : sText) {
        sHex += QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
    }
    return sHex;
}

QString HexTextToString(const QString& sHexText) {
    if (sHexText.size() % 2 != 0) {
        return {};
    }
    QString sText;
    sText.reserve(sHexText.size() / 2);
    for (qsizetype i = 0; i < sHexText.size(); i += 2) {
        sText += QChar(char16_t(HexToIntDef(sHexText.mid(i, 2))));
    }
    return sText;
}
