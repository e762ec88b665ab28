#include "TInstanceBinding.h"

#include "ColourText.h"
#include "EditorControls.h"
#include "FontConversion.h"
#include "InstanceFields.h"
#include "TAppearanceGroup.h"
#include "TColourSwatch.h"
#include "TContentEditor.h"
#include "TMethodGroup.h"
#include "TReferenceGroup.h"
#include "TSizePositionGroup.h"
#include "TZEPInstance.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

TBindingEntry Flag(QCheckBox* box, quint8 TZEPInstance::*field) {
    return {[box, field](const TZEPInstance& i) { box->setChecked(i.*field == 1); },
            [box, field](TZEPInstance& i) { i.*field = box->isChecked() ? 1 : 0; }, box};
}

// A field's length limit holds for what is typed. A stored value that is
// longer (a hand-edited file) is shown whole, so that showing and writing back
// a popup never cuts what its file holds.
void ShowWhole(QLineEdit* edit, int iLimit, const QString& sValue) {
    edit->setMaxLength(qMax(iLimit, int(sValue.size())));
    edit->setText(sValue);
}

TBindingEntry Text(QLineEdit* edit, QString TZEPInstance::*field) {
    const int iLimit = edit->maxLength();
    return {[edit, field, iLimit](const TZEPInstance& i) { ShowWhole(edit, iLimit, i.*field); },
            [edit, field](TZEPInstance& i) { i.*field = edit->text(); }, edit};
}

TBindingEntry Number(QLineEdit* edit, int TZEPInstance::*field) {
    const int iLimit = edit->maxLength();
    return {[edit, field, iLimit](const TZEPInstance& i) { ShowWhole(edit, iLimit, QString::number(i.*field)); },
            [edit, field](TZEPInstance& i) { i.*field = FieldNumber(edit); }, edit};
}

// An effect list: the list index is the code; a code outside the list leaves
// it without a selection, and an index that cannot be read stores code 0.
template <typename TEffect> TBindingEntry Effect(QComboBox* list, TEffect TZEPInstance::*field) {
    return {[list, field](const TZEPInstance& i) { list->setCurrentIndex(int(i.*field)); },
            [list, field](TZEPInstance& i) { i.*field = TEffect(qMax(0, list->currentIndex())); }, list};
}

// The location list selects the location's name; a location without a name
// leaves it without a selection, which writes back as "Manual".
TBindingEntry Location(QComboBox* list) {
    return {[list](const TZEPInstance& i) { list->setCurrentIndex(list->findText(TextFromLocation(i.Location))); },
            [list](TZEPInstance& i) { i.Location = LocationFromText(list->currentText()); }, list};
}

// The swatch holds the colour; the field shows it as text.
TBindingEntry Colour(QLineEdit* edit, TColourSwatch* swatch, quint32 TZEPInstance::*field) {
    return {[edit, swatch, field](const TZEPInstance& i) {
                swatch->SetColour(i.*field);
                edit->setText(ColourToHexText(i.*field));
            },
            [swatch, field](TZEPInstance& i) { i.*field = swatch->Colour(); }, edit};
}

} // namespace

TInstanceBinding::TInstanceBinding(const TEditorGroups& groups, TFont& currentFont) {
    BindReference(groups.Reference);
    BindMethod(groups.Method);
    BindAppearance(groups.Appearance, currentFont);
    BindSizePosition(groups.SizePosition);
    BindContent(groups.Content);
}

void TInstanceBinding::Fill(const TZEPInstance& instance) const {
    for (const TBindingEntry& entry : Entries)
        entry.Fill(instance);
}

void TInstanceBinding::Write(TZEPInstance& instance) const {
    for (const TBindingEntry& entry : Entries)
        entry.Write(instance);
    instance.UpdateContentFromHTML();
}

QWidget* TInstanceBinding::ChangedControl(const TZEPInstance& instance, const QWidget* preferred) const {
    QWidget* first = nullptr;
    for (const TBindingEntry& entry : Entries) {
        const std::unique_ptr<TZEPInstance> written = instance.Clone(instance.Project());
        entry.Write(*written);
        if (InstanceFields::Differences(instance, *written).empty())
            continue;
        if (entry.Control == preferred)
            return entry.Control;
        if (first == nullptr)
            first = entry.Control;
    }
    return first;
}

void TInstanceBinding::BindReference(TReferenceGroup& g) {
    Entries.insert(Entries.end(), {
                                      Text(g.UniqueIDEdit, &TZEPInstance::sUniqueID),
                                      Flag(g.TitleBox, &TZEPInstance::bTitleSelected),
                                      Text(g.TitleEdit, &TZEPInstance::sTitle),
                                      Flag(g.URLBox, &TZEPInstance::bURLSelected),
                                      Text(g.URLEdit, &TZEPInstance::sURL),
                                  });
}

void TInstanceBinding::BindMethod(TMethodGroup& g) {
    Entries.insert(Entries.end(), {
                                      Flag(g.OpenAfterBox, &TZEPInstance::bOpenAfterSelected),
                                      Number(g.OpenAfterEdit, &TZEPInstance::iOpenAfterDelay),
                                      Flag(g.CloseAfterBox, &TZEPInstance::bCloseAfterSelected),
                                      Number(g.CloseAfterEdit, &TZEPInstance::iCloseAfterDelay),
                                      Flag(g.PerSessionBox, &TZEPInstance::bPerSession),
                                      Effect(g.EntryEffectListBox, &TZEPInstance::EntryEffect),
                                      Effect(g.ExitEffectListBox, &TZEPInstance::ExitEffect),
                                      Flag(g.OnExitBox, &TZEPInstance::bOnExit),
                                      Flag(g.OnClickBox, &TZEPInstance::bOnClick),
                                      Flag(g.MouseOverBox, &TZEPInstance::bMouseOver),
                                      Flag(g.MouseOutBox, &TZEPInstance::bMouseOut),
                                      Flag(g.ModalBox, &TZEPInstance::bModal),
                                  });
}

void TInstanceBinding::BindAppearance(TAppearanceGroup& g, TFont& currentFont) {
    using R = TAppearanceGroup;
    const auto colour = [&g](int iRow, quint32 TZEPInstance::*field) {
        return Colour(g.ColourEdits[size_t(iRow)], g.ColourBoxes[size_t(iRow)], field);
    };
    QLabel* fontLabel = g.FontLabel;
    Entries.insert(Entries.end(), {
                                      Flag(g.BorderBox, &TZEPInstance::bBorder),
                                      Number(g.BorderEdit, &TZEPInstance::iBorderSize),
                                      Flag(g.ShadowBox, &TZEPInstance::bShadow),
                                      Number(g.ShadowEdit, &TZEPInstance::iShadowSize),
                                      Flag(g.PaddingBox, &TZEPInstance::bPadding),
                                      Number(g.PaddingEdit, &TZEPInstance::iPaddingSize),
                                      Flag(g.ScrollbarsBox, &TZEPInstance::bScrollBars),
                                      Flag(g.TitleTransparentBox, &TZEPInstance::bTransparentTitle),
                                      Flag(g.BackgroundTransparentBox, &TZEPInstance::bTransparentBackground),
                                      colour(R::crBorder, &TZEPInstance::BorderColour),
                                      colour(R::crShadow, &TZEPInstance::ShadowColour),
                                      colour(R::crTitle, &TZEPInstance::TitleColour),
                                      colour(R::crTitleText, &TZEPInstance::TitleTextColour),
                                      colour(R::crBackground, &TZEPInstance::BackgroundColour),
                                      colour(R::crText, &TZEPInstance::TextPanelColour),
                                      {[&currentFont, fontLabel](const TZEPInstance& i) {
                                           currentFont = i.Font;
                                           fontLabel->setText(FontCaption(currentFont));
                                       },
                                       [&currentFont](TZEPInstance& i) { i.Font = currentFont; }, g.FontBtn},
                                  });
}

void TInstanceBinding::BindSizePosition(TSizePositionGroup& g) {
    Entries.insert(Entries.end(), {
                                      Flag(g.CanMoveBox, &TZEPInstance::bCanMove),
                                      Flag(g.FromContentBox, &TZEPInstance::bFromContent),
                                      Flag(g.CanCloseBox, &TZEPInstance::bCanClose),
                                      Flag(g.CanResizeBox, &TZEPInstance::bCanResize),
                                      Flag(g.FollowScrollBox, &TZEPInstance::bFollowScroll),
                                      Number(g.WidthEdit, &TZEPInstance::iWidth),
                                      Number(g.HeightEdit, &TZEPInstance::iHeight),
                                      Number(g.TopEdit, &TZEPInstance::iTop),
                                      Number(g.LeftEdit, &TZEPInstance::iLeft),
                                      Location(g.LocationListBox),
                                  });
}

// The content text goes last; the text put aside for the URL option belongs
// to the popup shown before and is dropped.
void TInstanceBinding::BindContent(TContentEditor& content) {
    Entries.push_back({[&content](const TZEPInstance& i) {
                           content.HTMLBackUpList.clear();
                           content.SetLines(i.HTMLFile);
                       },
                       [&content](TZEPInstance& i) { i.HTMLFile = content.Lines(); }, content.HTMLMemo});
}
