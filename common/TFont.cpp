#include "TFont.h"

namespace {

// Reads hexadecimal digits (either case) into a 32-bit value; longer texts
// wrap as 32-bit arithmetic does. An empty text or another character fails.
bool ParseHexColour(const QString& sText, quint32& Colour) {
    if (sText.isEmpty()) {
        return false;
    }
    quint32 value = 0;
    for (const QChar c : sText) {
        const int iDigit = c.isDigit() && c.unicode() < 128 ? c.unicode() - '0'
                           : c >= 'A' && c <= 'F'           ? c.unicode() - 'A' + 10
                           : c >= 'a' && c <= 'f'           ? c.unicode() - 'a' + 10
                                                            : -1;
        if (iDigit < 0) {
            return false;
        }
        value = value * 16 + quint32(iDigit);
    }
    Colour = value;
    return true;
}

} // namespace

int TFont::PointSize() const {
    return iHeight < 0 ? int((qint64(-iHeight) * 72 + 48) / 96) : iSize;
}

QString FontToText(const TFont& font) {
    QString sStyles;
    if (font.bBold) {
        sStyles += 'B';
    }
    if (font.bItalic) {
        sStyles += 'I';
    }
    if (font.bUnderline) {
        sStyles += 'U';
    }
    const int iSize = font.iHeight < 0 ? font.iHeight : font.iSize;
    return '(' + font.sName + ',' + QString::number(iSize) + ',' + sStyles + ',' +
           QStringLiteral("%1").arg(font.Colour, 8, 16, QChar('0')).toUpper() + ')';
}

TFont TextToFont(const QString& sText) {
    TFont font;
    QString sRest = StripBrackets(sText);
    const QString sName = NextListItem(sRest, sRest);
    if (!sName.isEmpty()) {
        font.sName = sName;
    }
    bool bOk = false;
    const int iSize = NextListItem(sRest, sRest).toInt(&bOk, 10);
    if (!bOk) {
        return font;
    }
    if (iSize < 0) {
        font.iHeight = iSize;
    } else {
        font.iSize = iSize;
    }
    const QString sStyles = NextListItem(sRest, sRest);
    font.bBold = sStyles.contains('B');
    font.bItalic = sStyles.contains('I');
    font.bUnderline = sStyles.contains('U');
    quint32 Colour = 0;
    if (ParseHexColour(NextListItem(sRest, sRest), Colour)) {
        font.Colour = Colour;
    }
    return font;
}

QString FontToCSSText(const TFont& font) {
    QString sStyle;
    if (font.bBold) {
        sStyle += QStringLiteral("bold ");
    }
    if (font.bItalic) {
        sStyle += QStringLiteral("italic ");
    }
    return (sStyle.trimmed() + ' ' + QString::number(font.PointSize()) + QStringLiteral("pt ") + font.sName).trimmed();
}

QString StripBrackets(const QString& sText) {
    const QString sTrimmed = sText.trimmed();
    if (sTrimmed.size() >= 2 && sTrimmed.front() == '(' && sTrimmed.back() == ')') {
        return sTrimmed.mid(1, sTrimmed.size() - 2);
    }
    return sTrimmed;
}

QString NextListItem(const QString& sText, QString& sRest) {
    const QString sTrimmed = sText.trimmed();
    if (sTrimmed.startsWith('(')) {
        int iDepth = 1;
        for (qsizetype i = 1; i < sTrimmed.size(); ++i) {
            if (sTrimmed[i] == '(') {
                ++iDepth;
            } else if (sTrimmed[i] == ')' && --iDepth == 0) {
                QString sAfter = sTrimmed.mid(i + 1).trimmed();
                if (sAfter.startsWith(',')) {
                    sAfter = sAfter.mid(1).trimmed();
                }
                const QString sItem = sTrimmed.left(i + 1).trimmed();
                sRest = sAfter;
                return sItem;
            }
        }
        sRest.clear();
        return sTrimmed + ')';
    }
    const qsizetype iComma = sTrimmed.indexOf(',');
    if (iComma < 0) {
        sRest.clear();
        return sTrimmed;
    }
    const QString sItem = sTrimmed.left(iComma).trimmed();
    sRest = sTrimmed.mid(iComma + 1).trimmed();
    return sItem;
}
