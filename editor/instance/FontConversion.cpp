#include "FontConversion.h"

#include <QStringList>

TFont FromQFont(const QFont& qFont, const TFont& previous) {
    TFont font = previous;
    font.sName = qFont.family();
    font.iSize = qFont.pointSize() > 0 ? qFont.pointSize() : previous.PointSize();
    font.iHeight = 0;
    font.bBold = qFont.bold();
    font.bItalic = qFont.italic();
    font.bUnderline = qFont.underline();
    font.bStrikeOut = qFont.strikeOut();
    return font;
}

QString FontCaption(const TFont& font) {
    QStringList parts{font.sName, QStringLiteral("%1 pt").arg(font.PointSize())};
    if (font.bBold)
        parts << QStringLiteral("bold");
    if (font.bItalic)
        parts << QStringLiteral("italic");
    if (font.bUnderline)
        parts << QStringLiteral("underline");
    if (font.bStrikeOut)
        parts << QStringLiteral("strike-out");
    return parts.join(QStringLiteral(", "));
}
