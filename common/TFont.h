#pragma once

#include <QString>
#include <QtGlobal>

// The description of a text font as a popup's content uses it: face, size,
// style and colour. A plain value: copying it copies the font.
//
// The size is either a point size (iHeight 0) or, when iHeight is negative,
// a character height in pixels (the platform's negative-height convention).
// The colour holds red in the lowest byte, then green and blue; a top byte of
// FF marks a system colour (FF000008 is the window-text colour).
struct TFont {
    static constexpr quint32 DefaultColour = 0xFF000008;

    QString sName = QStringLiteral("Tahoma");
    int iSize = 8;
    int iHeight = 0;
    bool bBold = false;
    bool bItalic = false;
    bool bUnderline = false;
    bool bStrikeOut = false;
    quint32 Colour = DefaultColour;

    // The size in points; a pixel height is converted at 96 pixels per inch.
    int PointSize() const;

    bool operator==(const TFont&) const = default;
};

// The font text of the project file: (face,size,styles,colour), for example
// (Tahoma,8,,FF000008) or (Verdana,12,BI,00FF0000). A pixel-height font writes
// its negative height as the size, so that it reads back unchanged.
QString FontToText(const TFont& font);
// Reads a font text. Starts from the default font and stops at the first
// element that cannot be read, keeping what was read before it; never fails.
TFont TextToFont(const QString& sText);
// The CSS font shorthand: "bold italic 10pt Arial", "8pt Tahoma".
QString FontToCSSText(const TFont& font);

// Trims the text and removes one enclosing pair of brackets: a leading "(" when
// the text's last character is ")".
QString StripBrackets(const QString& sText);
// Takes the first element of a comma-separated list whose elements may be
// bracketed groups (which may contain commas); sRest receives what follows
// the element and its comma, trimmed.
QString NextListItem(const QString& sText, QString& sRest);
