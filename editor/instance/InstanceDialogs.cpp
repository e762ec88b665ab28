#include "InstanceDialogs.h"

#include "ColourUtils.h"
#include "FontConversion.h"
#include "GuiColours.h"
#include "TEditorServices.h"

#include <QColorDialog>
#include <QFontDialog>

bool ChooseColour(IEditorServices& services, QWidget* parent, quint32& colour) {
    QColorDialog dialog(ToQColor(colour), parent);
    dialog.setObjectName(QString::fromLatin1(sColourDialogName));
    if (services.RunModal(dialog) != QDialog::Accepted)
        return false;
    const QColor chosen = dialog.currentColor();
    colour = MakeColour(chosen.red(), chosen.green(), chosen.blue());
    return true;
}

bool ChooseFont(IEditorServices& services, QWidget* parent, TFont& font) {
    QFontDialog dialog(ToQFont(font), parent);
    dialog.setObjectName(QString::fromLatin1(sFontDialogName));
    if (services.RunModal(dialog) != QDialog::Accepted)
        return false;
    font = FromQFont(dialog.currentFont(), font);
    return true;
}
