#pragma once

#include <QtGlobal>

class QWidget;
struct TFont;

// The colour and font dialogs of the instance editor; tests answer them.
class IInstanceDialogs {
public:
    virtual ~IInstanceDialogs() = default;
    // A colour dialog with every choice open, starting at colour (red in the
    // lowest byte); true with the chosen colour in colour on OK.
    virtual bool ChooseColour(QWidget* parent, quint32& colour) = 0;
    // A font dialog starting at font; true with the chosen font on OK.
    virtual bool ChooseFont(QWidget* parent, TFont& font) = 0;
};

// The platform's colour and font dialogs.
class TStandardInstanceDialogs : public IInstanceDialogs {
public:
    bool ChooseColour(QWidget* parent, quint32& colour) override;
    bool ChooseFont(QWidget* parent, TFont& font) override;
};
