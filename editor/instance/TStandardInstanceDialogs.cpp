#include "ColourUtils.h"
#include "FontConversion.h"
#include "IInstanceDialogs.h"

#include <QColorDialog>
#include <QFontDialog>

bool TStandardInstanceDialogs::ChooseColour(QWidget* parent, quint32& colour) {
    const QColor chosen = QColorDialog::getColor(QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)), parent);
    if (!chosen.isValid())
        return false;
    colour = MakeColour(chosen.red(), chosen.green(), chosen.blue());
    return true;
}

bool TStandardInstanceDialogs::ChooseFont(QWidget* parent, TFont& font) {
    bool bOk = false;
    const QFont chosen = QFontDialog::getFont(&bOk, ToQFont(font), parent);
    if (bOk)
        font = FromQFont(chosen, font);
    return bOk;
}
