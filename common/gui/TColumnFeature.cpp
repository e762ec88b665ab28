#include "TColumnFeature.h"

#include "HexText.h"
#include "StringUtils.h"

#include <optional>

namespace {

QString HexColour(quint32 colour) {
    return QStringLiteral("%1").arg(colour, 8, 16, QChar(u'0')).toUpper();
}

std::optional<int> ReadDecimal(const QString& sText) {
    bool bOk = false;
    const int iValue = sText.toInt(&bOk, 10);
    return bOk ? std::optional<int>(iValue) : std::nullopt;
}

// Takes the elements of a comma-separated list one after another.
class TListReader {
public:
    explicit TListReader(const QString& sList) : sRest(sList) {}
    QString Next() { return NextListItem(sRest, sRest); }
    std::optional<int> NextDecimal() { return ReadDecimal(Next()); }
    std::optional<int> NextHex() { return HexToInt(Next()); }

private:
    QString sRest;
};

} // namespace

QString TColumnFeature::AsString() const {
    return u'(' + QString::number(iColWidth) + u',' + FontToText(ColFont) + u',' + QString::number(int(ColAlignment)) +
           QStringLiteral(",(") + sTitle + QStringLiteral("),") + QString::number(int(TitleAlignment)) + u',' +
           QString::number(int(ColDataType)) + u',' + (bEditable ? u'1' : u'0') + u',' + HexColour(Colour) + u',' +
           HexColour(SelectedColour) + u')';
}

void TColumnFeature::FromString(const QString& sText) {
    TListReader reader(StripBrackets(sText));
    const std::optional<int> width = reader.NextDecimal();
    if (!width) {
        return;
    }
    iColWidth = *width;
    ColFont = TextToFont(reader.Next());
    const std::optional<int> alignment = reader.NextDecimal();
    if (!alignment) {
        return;
    }
    ColAlignment = TAlignment(*alignment);
    sTitle = StripBrackets(reader.Next());
    const std::optional<int> titleAlignment = reader.NextDecimal();
    if (!titleAlignment) {
        return;
    }
    TitleAlignment = TAlignment(*titleAlignment);
    const std::optional<int> dataType = reader.NextDecimal();
    if (!dataType) {
        return;
    }
    ColDataType = TDataDisplayType(*dataType);
    const std::optional<int> editable = reader.NextDecimal();
    if (!editable) {
        return;
    }
    bEditable = *editable != 0;
    const std::optional<int> colour = reader.NextHex();
    if (!colour) {
        return;
    }
    Colour = quint32(*colour);
    if (const std::optional<int> selectedColour = reader.NextHex()) {
        SelectedColour = quint32(*selectedColour);
    }
}

QString PrepareCellText(const QString& sText, TDataDisplayType dataType, const QLocale& locale) {
    switch (dataType) {
    case ddtNumber: {
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        return plain.toString(StrToFloatNoSeparators(sText, locale), 'g', QLocale::FloatingPointShortest);
    }
    case ddtMoney: {
        QLocale grouped = locale;
        grouped.setNumberOptions(QLocale::DefaultNumberOptions);
        return grouped.toString(StrToFloatNoSeparators(sText, locale), 'f', 2);
    }
    case ddtText:
        break;
    }
    return TrimText(sText);
}

int AlignedTextLeft(TAlignment alignment, int iLeft, int iRight, int iTextWidth) {
    switch (alignment) {
    case taRightJustify:
        return iRight - iTextWidth;
    case taCenter:
        return (iLeft + iRight - iTextWidth) / 2;
    case taLeftJustify:
        break;
    }
    return iLeft;
}
