#include "ControlStateView.h"

#include "TAppearanceGroup.h"
#include "TColourSwatch.h"
#include "TMethodGroup.h"
#include "TReferenceGroup.h"
#include "TSizePositionGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <utility>
#include <vector>

namespace {

using TBoxes = std::vector<std::pair<TBoxState TControlStates::*, QCheckBox*>>;
using TFields = std::vector<std::pair<TFieldState TControlStates::*, QLineEdit*>>;
using TColours = std::vector<std::pair<bool TControlStates::*, int>>;

TBoxes Boxes(const TEditorGroups& g) {
    const TReferenceGroup& r = g.Reference;
    const TMethodGroup& m = g.Method;
    const TAppearanceGroup& a = g.Appearance;
    const TSizePositionGroup& s = g.SizePosition;
    using C = TControlStates;
    return {
        {&C::Title, r.TitleBox},
        {&C::URL, r.URLBox},
        {&C::OpenAfter, m.OpenAfterBox},
        {&C::CloseAfter, m.CloseAfterBox},
        {&C::PerSession, m.PerSessionBox},
        {&C::OnExit, m.OnExitBox},
        {&C::OnClick, m.OnClickBox},
        {&C::MouseOver, m.MouseOverBox},
        {&C::MouseOut, m.MouseOutBox},
        {&C::Modal, m.ModalBox},
        {&C::Border, a.BorderBox},
        {&C::Shadow, a.ShadowBox},
        {&C::Padding, a.PaddingBox},
        {&C::TitleTransparent, a.TitleTransparentBox},
        {&C::BackgroundTransparent, a.BackgroundTransparentBox},
        {&C::CanMove, s.CanMoveBox},
        {&C::FromContent, s.FromContentBox},
        {&C::CanResize, s.CanResizeBox},
        {&C::FollowScroll, s.FollowScrollBox},
    };
}

TFields Fields(const TEditorGroups& g) {
    using C = TControlStates;
    return {
        {&C::TitleEdit, g.Reference.TitleEdit},      {&C::URLEdit, g.Reference.URLEdit},
        {&C::OpenAfterEdit, g.Method.OpenAfterEdit}, {&C::CloseAfterEdit, g.Method.CloseAfterEdit},
        {&C::BorderEdit, g.Appearance.BorderEdit},   {&C::ShadowEdit, g.Appearance.ShadowEdit},
        {&C::PaddingEdit, g.Appearance.PaddingEdit}, {&C::WidthEdit, g.SizePosition.WidthEdit},
        {&C::HeightEdit, g.SizePosition.HeightEdit}, {&C::TopEdit, g.SizePosition.TopEdit},
        {&C::LeftEdit, g.SizePosition.LeftEdit},
    };
}

TColours Colours() {
    using C = TControlStates;
    using A = TAppearanceGroup;
    return {
        {&C::bBorderColourEnabled, A::crBorder},         {&C::bShadowColourEnabled, A::crShadow},
        {&C::bTitleColourEnabled, A::crTitle},           {&C::bTitleTextColourEnabled, A::crTitleText},
        {&C::bBackgroundColourEnabled, A::crBackground}, {&C::bTextColourEnabled, A::crText},
    };
}

} // namespace

TControlStates ReadControlStates(const TEditorGroups& g) {
    TControlStates states;
    states.iEntryEffect = g.Method.EntryEffectListBox->currentIndex();
    states.iExitEffect = g.Method.ExitEffectListBox->currentIndex();
    states.bExitEffectEnabled = g.Method.ExitEffectListBox->isEnabled();
    states.Location = LocationFromText(g.SizePosition.LocationListBox->currentText());
    for (const auto& [member, box] : Boxes(g))
        states.*member = {box->isChecked(), box->isEnabled()};
    for (const auto& [member, edit] : Fields(g))
        states.*member = {edit->text(), edit->isEnabled()};
    for (const auto& [member, iRow] : Colours())
        states.*member = g.Appearance.ColourEdits[size_t(iRow)]->isEnabled();
    return states;
}

void ApplyControlStates(const TControlStates& states, const TEditorGroups& g) {
    for (const auto& [member, box] : Boxes(g)) {
        box->setChecked((states.*member).bChecked);
        box->setEnabled((states.*member).bEnabled);
    }
    for (const auto& [member, edit] : Fields(g)) {
        if (edit->text() != (states.*member).sText)
            edit->setText((states.*member).sText);
        edit->setEnabled((states.*member).bEnabled);
    }
    for (const auto& [member, iRow] : Colours()) {
        g.Appearance.ColourEdits[size_t(iRow)]->setEnabled(states.*member);
        g.Appearance.ColourBoxes[size_t(iRow)]->setEnabled(states.*member);
    }
    QComboBox* exitList = g.Method.ExitEffectListBox;
    if (exitList->currentIndex() != states.iExitEffect)
        exitList->setCurrentIndex(states.iExitEffect);
    exitList->setEnabled(states.bExitEffectEnabled);
}
