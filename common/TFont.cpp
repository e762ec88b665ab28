#include "TFont.h"

#include "HexText.h"
#include "StringUtils.h"

int TFont::PointSize() const {
    return iHeight < 0 ? int((-qint64(iHeight) * 72 + 48) / 96) : iSize;
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
    if (const std::optional<int> colour = HexToInt(NextListItem(sRest, sRest))) {
        font.Colour = quint32(*colour);
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
    return TrimText(TrimText(sStyle) + ' ' + QString::number(font.PointSize()) + QStringLiteral("pt ") + font.sName);
}

QString StripBrackets(const QString& sText) {
    const QString sTrimmed = TrimText(sText);
    if (sTrimmed.size() >= 2 && sTrimmed.front() == '(' && sTrimmed.back() == ')') {
        return sTrimmed.mid(1, sTrimmed.size() - 2);
    }
    return sTrimmed;
}

QString NextListItem(const QString& sText, QString& sRest) {
    const QString sTrimmed = TrimText(sText);
    if (sTrimmed.startsWith('(')) {
        int iDepth = 1;
        for (qsizetype i = 1; i < sTrimmed.size(); ++i) {
            if (sTrimmed[i] == '(') {
                ++iDepth;
            } else if (sTrimmed[i] == ')' && --iDepth == 0) {
                QString sAfter = TrimText(sTrimmed.mid(i + 1));
                if (sAfter.startsWith(',')) {
                    sAfter = TrimText(sAfter.mid(1));
                }
                const QString sItem = TrimText(sTrimmed.left(i + 1));
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
    const QString sItem = TrimText(sTrimmed.left(iComma));
    sRest = TrimText(sTrimmed.mid(iComma + 1));
    return sItem;
}
