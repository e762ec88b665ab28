#pragma once

#include <QtGlobal>

class IEditorServices;
class QWidget;
struct TFont;

// The colour and font dialogs of the instance editor, run through the editor's
// services (which tests script by the dialogs' names).

inline constexpr const char* sColourDialogName = "ColourDialog";
inline constexpr const char* sFontDialogName = "FontDialog";

// A colour dialog with every choice open, starting at colour (red in the
// lowest byte); true with the chosen colour in colour on OK.
bool ChooseColour(IEditorServices& services, QWidget* parent, quint32& colour);
// A font dialog starting at font; true with the chosen font on OK. The colour
// of the font is kept.
bool ChooseFont(IEditorServices& services, QWidget* parent, TFont& font);
