#include "ColourText.h"

#include "ColourUtils.h"
#include "HexText.h"

QString ColourToHexText(quint32 colour) {
    return QStringLiteral("%1%2%3")
        .arg(RedOf(colour), 2, 16, QLatin1Char('0'))
        .arg(GreenOf(colour), 2, 16, QLatin1Char('0'))
        .arg(BlueOf(colour), 2, 16, QLatin1Char('0'))
        .toUpper();
}

std::optional<quint32> HexTextToColour(const QString& sText, QString& sError) {
    const std::optional<int> value = HexToInt(sText, &sError);
    if (!value)
        return std::nullopt;
    const quint32 rgb = quint32(*value);
    return MakeColour(int(rgb >> 16), int(rgb >> 8), int(rgb));
}
