#pragma once

#include "TFont.h"

#include <QLocale>
#include <QString>

// Horizontal alignment of a grid column's cells or title. Any stored number is
// kept, so a feature text reads back as it was written.
enum TAlignment : int { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// How a column shows its cell texts.
enum TDataDisplayType : int { ddtText = 0, ddtNumber = 1, ddtMoney = 2 };

// How one column of a formatted grid is drawn and whether it can be edited.
struct TColumnFeature {
    static constexpr quint32 AppWorkSpaceColour = 0xFF00000C;
    static constexpr quint32 HighlightColour = 0xFF00000D;

    int iColWidth = 60;
    TFont ColFont;
    TAlignment ColAlignment = taLeftJustify;
    QString sTitle;
    TAlignment TitleAlignment = taCenter;
    TDataDisplayType ColDataType = ddtText;
    bool bEditable = true;
    quint32 Colour = AppWorkSpaceColour;
    quint32 SelectedColour = HighlightColour;

    // The text form: (width,font text,alignment,(title),title alignment,
    // data type,editable 0 or 1,colour,selected colour), the colours as eight
    // upper-case hexadecimal digits.
    QString AsString() const;
    // Reads the text form. Reading stops at the first element that cannot be
    // read; the fields read before it keep their new values.
    void FromString(const QString& sText);

    bool operator==(const TColumnFeature&) const = default;
};

// The text a data cell shows: trimmed text, a number in its shortest form
// without thousands separators, or money as #,###,##0.00 with the locale's
// separators. Texts that are not numbers count as 0 in number columns.
QString PrepareCellText(const QString& sText, TDataDisplayType dataType, const QLocale& locale = QLocale());

// Where a text of the given width starts between the left and right edges of
// a cell's text area; an unknown alignment is drawn left-aligned.
int AlignedTextLeft(TAlignment alignment, int iLeft, int iRight, int iTextWidth);
