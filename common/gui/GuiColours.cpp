#include "GuiColours.h"

#include "ColourUtils.h"

#include <array>

namespace {

constexpr quint32 iSystemColourFlag = 0xFF000000;

// The palette role standing in for each system colour index.
constexpr std::array<QPalette::ColorRole, 25> aSystemColourRoles = {
    QPalette::Button,          // scroll bar
    QPalette::Window,          // desktop
    QPalette::Highlight,       // active caption
    QPalette::Mid,             // inactive caption
    QPalette::Window,          // menu
    QPalette::Base,            // window
    QPalette::Shadow,          // window frame
    QPalette::WindowText,      // menu text
    QPalette::Text,            // window text
    QPalette::HighlightedText, // caption text
    QPalette::Button,          // active border
    QPalette::Button,          // inactive border
    QPalette::Dark,            // application work space
    QPalette::Highlight,       // highlight
    QPalette::HighlightedText, // highlighted text
    QPalette::Button,          // button face
    QPalette::Dark,            // button shadow
    QPalette::PlaceholderText, // grey text
    QPalette::ButtonText,      // button text
    QPalette::Text,            // inactive caption text
    QPalette::Light,           // button highlight
    QPalette::Shadow,          // 3D dark shadow
    QPalette::Midlight,        // 3D light
    QPalette::ToolTipText,     // info text
    QPalette::ToolTipBase,     // info background
};

} // namespace

QColor ToDisplayColour(quint32 colour, const QPalette& palette) {
    if ((colour & iSystemColourFlag) == iSystemColourFlag) {
        const quint32 iIndex = colour & 0xFF;
        return palette.color(iIndex < aSystemColourRoles.size() ? aSystemColourRoles.at(iIndex) : QPalette::Base);
    }
    return ToQColor(colour);
}

QColor ToQColor(quint32 colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QFont ToQFont(const TFont& font) {
    QFont result(font.sName);
    if (font.PointSize() > 0) {
        result.setPointSize(font.PointSize());
    }
    result.setBold(font.bBold);
    result.setItalic(font.bItalic);
    result.setUnderline(font.bUnderline);
    result.setStrikeOut(font.bStrikeOut);
    return result;
}
