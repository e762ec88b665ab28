#include "ScriptString.h"

#include <optional>

namespace {

constexpr char16_t cLineSeparator = 0x2028;
constexpr char16_t cParagraphSeparator = 0x2029;

QString EscapeString(const QString& sText, bool bEscapeEndTag) {
    QString sResult;
    sResult.reserve(sText.size() + 8);
    for (qsizetype i = 0; i < sText.size(); ++i) {
        const QChar c = sText.at(i);
        switch (c.unicode()) {
        case u'\\':
            sResult += QLatin1String("\\\\");
            break;
        case u'"':
            sResult += QLatin1String("\\\"");
            break;
        case u'\r':
            sResult += QLatin1String("\\r");
            break;
        case u'\n':
            sResult += QLatin1String("\\n");
            break;
        case cLineSeparator:
            sResult += QLatin1String("\\u2028");
            break;
        case cParagraphSeparator:
            sResult += QLatin1String("\\u2029");
            break;
        case u'/':
            sResult += bEscapeEndTag && i > 0 && sText.at(i - 1) == u'<' ? QStringLiteral("\\/") : QString(c);
            break;
        default:
            sResult += c;
        }
    }
    return sResult;
}

bool IsBlank(QChar c) {
    return c.unicode() <= 32;
}

int HexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9') {
        return u - u'0';
    }
    if (u >= u'a' && u <= u'f') {
        return u - u'a' + 10;
    }
    if (u >= u'A' && u <= u'F') {
        return u - u'A' + 10;
    }
    return -1;
}

bool IsOctal(QChar c) {
    return c >= u'0' && c <= u'7';
}

// Reads a string literal from its opening quotation mark; iAt ends after the
// closing one.
class TLiteralReader {
public:
    TLiteralReader(QStringView sText, qsizetype& iAt) : sText(sText), iAt(iAt) {}

    std::optional<QString> Read() {
        const QChar quote = sText.at(iAt++);
        QString sValue;
        while (iAt < sText.size()) {
            const QChar c = sText.at(iAt++);
            if (c == quote) {
                return sValue;
            }
            if (c == u'\r' || c == u'\n') {
                return std::nullopt;
            }
            if (c != u'\\') {
                sValue += c;
            } else if (!ReadEscape(sValue)) {
                return std::nullopt;
            }
        }
        return std::nullopt;
    }

private:
    // The escape after a backslash, appended to sValue.
    bool ReadEscape(QString& sValue) {
        if (iAt >= sText.size()) {
            return false;
        }
        const QChar c = sText.at(iAt++);
        switch (c.unicode()) {
        case u'b':
            sValue += u'\b';
            return true;
        case u'f':
            sValue += u'\f';
            return true;
        case u'n':
            sValue += u'\n';
            return true;
        case u'r':
            sValue += u'\r';
            return true;
        case u'\r':
            // A backslash before a line end continues the string on the next line.
            if (iAt < sText.size() && sText.at(iAt) == u'\n') {
                ++iAt;
            }
            return true;
        case u'\n':
        case cLineSeparator:
        case cParagraphSeparator:
            return true;
        case u't':
            sValue += u'\t';
            return true;
        case u'v':
            sValue += u'\v';
            return true;
        case u'x':
            return ReadHex(2, sValue);
        case u'u':
            return ReadUnicodeEscape(sValue);
        default:
            if (IsOctal(c)) {
                ReadOctal(c, sValue);
            } else {
                sValue += c;
            }
            return true;
        }
    }

    bool ReadHex(int iDigits, QString& sValue) {
        char32_t code = 0;
        for (int i = 0; i < iDigits; ++i) {
            const int iDigit = iAt < sText.size() ? HexValue(sText.at(iAt)) : -1;
            if (iDigit < 0) {
                return false;
            }
            code = code * 16 + char32_t(iDigit);
            ++iAt;
        }
        sValue += QChar(char16_t(code));
        return true;
    }

    bool ReadUnicodeEscape(QString& sValue) {
        if (iAt >= sText.size() || sText.at(iAt) != u'{') {
            return ReadHex(4, sValue);
        }
        ++iAt;
        char32_t code = 0;
        int iDigits = 0;
        for (; iAt < sText.size() && HexValue(sText.at(iAt)) >= 0; ++iAt, ++iDigits) {
            code = code * 16 + char32_t(HexValue(sText.at(iAt)));
            if (code > 0x10FFFF) {
                return false;
            }
        }
        if (iDigits == 0 || iAt >= sText.size() || sText.at(iAt) != u'}') {
            return false;
        }
        ++iAt;
        sValue += QString::fromUcs4(&code, 1);
        return true;
    }

    // The older octal escapes: up to three digits while the value stays below 256.
    void ReadOctal(QChar first, QString& sValue) {
        int iCode = first.unicode() - u'0';
        const int iMaxDigits = iCode <= 3 ? 3 : 2;
        for (int i = 1; i < iMaxDigits && iAt < sText.size() && IsOctal(sText.at(iAt)); ++i) {
            iCode = iCode * 8 + (sText.at(iAt++).unicode() - u'0');
        }
        sValue += QChar(char16_t(iCode));
    }

    QStringView sText;
    qsizetype& iAt;
};

} // namespace

QString EscapeScriptString(const QString& sText) {
    return EscapeString(sText, true);
}

QString QuoteScriptString(const QString& sText) {
    return QLatin1Char('"') + EscapeString(sText, false) + QLatin1Char('"');
}

bool ParseScriptString(QStringView sLiteral, QString& sValue) {
    qsizetype iAt = 0;
    const auto skipBlanks = [&] {
        while (iAt < sLiteral.size() && IsBlank(sLiteral.at(iAt))) {
            ++iAt;
        }
    };
    skipBlanks();
    if (iAt >= sLiteral.size() || (sLiteral.at(iAt) != u'"' && sLiteral.at(iAt) != u'\'')) {
        return false;
    }
    const std::optional<QString> value = TLiteralReader(sLiteral, iAt).Read();
    if (!value) {
        return false;
    }
    skipBlanks();
    if (iAt < sLiteral.size() && sLiteral.at(iAt) == u';') {
        ++iAt;
        skipBlanks();
    }
    if (iAt != sLiteral.size()) {
        return false;
    }
    sValue = *value;
    return true;
}
