#include "ControlStateRules.h"

namespace {

bool InRange(CLocation location, CLocation first, CLocation last) {
    return location >= first && location <= last;
}

// The four full-width locations.
bool IsFullWidthLocation(CLocation location) {
    return InRange(location, ltTopFullWidth, ltFullWidthAndHeight);
}

// The locations at which the visitor cannot resize the popup.
bool IsResizeLockedLocation(CLocation location) {
    return InRange(location, ltRightBottom, ltBottomLeft) || IsFullWidthLocation(location);
}

// The locations at which the popup has no shadow.
bool IsShadowLockedLocation(CLocation location) {
    return InRange(location, ltTopRight, ltBottomLeft) || IsFullWidthLocation(location);
}

void Lock(TBoxState& box, bool bChecked) {
    box.bChecked = bChecked;
    box.bEnabled = false;
}

// Opening, closing and the link triggers.
void ApplyMethodRules(TControlStates& c, bool bForcedOpening, const TProjectFacts& facts) {
    if (bForcedOpening) {
        Lock(c.OpenAfter, true);
        if (c.OpenAfterEdit.sText == QStringLiteral("0"))
            c.OpenAfterEdit.sText = QStringLiteral("1");
    } else {
        c.OpenAfter.bEnabled = true;
    }
    c.OpenAfterEdit.bEnabled = c.OpenAfter.bChecked;
    c.CloseAfterEdit.bEnabled = c.CloseAfter.bChecked;

    if (!c.CloseAfter.bChecked || c.Modal.bChecked)
        c.iExitEffect = xeNone;
    c.bExitEffectEnabled = !c.Modal.bChecked;

    const bool bLinksBlocked = (c.OpenAfter.bChecked && !bForcedOpening) || c.OnExit.bChecked || c.Modal.bChecked;
    if (bLinksBlocked) {
        Lock(c.MouseOver, false);
        Lock(c.MouseOut, false);
        if (c.OpenAfter.bChecked || c.OnExit.bChecked)
            Lock(c.OnClick, false);
        else
            c.OnClick.bEnabled = true;
    } else {
        c.OnClick.bEnabled = c.MouseOver.bEnabled = c.MouseOut.bEnabled = true;
    }

    if (c.OnClick.bChecked || c.MouseOver.bChecked || c.MouseOut.bChecked)
        Lock(c.PerSession, false);
    else
        c.PerSession.bEnabled = true;

    c.OnExit.bEnabled = !facts.bOtherOnExit;
    c.Modal.bEnabled = !facts.bOtherModal;
}

// Moving, resizing, size and position.
void ApplySizePositionRules(TControlStates& c, CLocation location, int iEntryEffect) {
    if (c.CanMove.bChecked)
        c.FromContent.bEnabled = true;
    else
        Lock(c.FromContent, false);

    if (IsResizeLockedLocation(location))
        Lock(c.CanResize, false);
    else
        c.CanResize.bEnabled = true;

    c.WidthEdit.bEnabled = !IsFullWidthLocation(location);
    c.HeightEdit.bEnabled = location != ltFullWidthAndHeight;

    if (location == ltManual || location == ltAnchored) {
        c.TopEdit.bEnabled = true;
        c.LeftEdit.bEnabled = true;
    } else {
        // The left position stays available as a horizontal offset.
        c.TopEdit.bEnabled = false;
        c.TopEdit.sText = QStringLiteral("0");
    }

    if (iEntryEffect == eeSlideInRight)
        Lock(c.FollowScroll, true);
    else
        c.FollowScroll.bEnabled = true;
}

// Border, shadow, padding and the colours.
void ApplyAppearanceRules(TControlStates& c, CLocation location) {
    const bool bTransparent = c.TitleTransparent.bChecked || c.BackgroundTransparent.bChecked;
    if (IsShadowLockedLocation(location) || bTransparent) {
        Lock(c.Shadow, false);
        c.ShadowEdit.sText = QStringLiteral("0");
    } else {
        c.Shadow.bEnabled = true;
    }
    if (bTransparent)
        Lock(c.Border, false);
    else
        c.Border.bEnabled = true;

    c.BorderEdit.bEnabled = c.bBorderColourEnabled = c.Border.bChecked;
    c.ShadowEdit.bEnabled = c.bShadowColourEnabled = c.Shadow.bChecked;
    c.PaddingEdit.bEnabled = c.Padding.bChecked;
    c.bTitleColourEnabled = !c.TitleTransparent.bChecked;
    c.bBackgroundColourEnabled = !c.BackgroundTransparent.bChecked;
    c.bTitleTextColourEnabled = true;
    c.bTextColourEnabled = true;
}

} // namespace

TRuleResult UpdateControlStates(const TControlStates& shown, const TProjectFacts& facts) {
    TRuleResult result{shown, {}};
    TControlStates& c = result.Controls;
    const int iEntryEffect = shown.iEntryEffect < 0 ? int(eeNone) : shown.iEntryEffect;
    const CLocation location = shown.Location;
    const bool bLinkTrigger = shown.OnClick.bChecked || shown.MouseOver.bChecked || shown.MouseOut.bChecked;
    const bool bForcedOpening = iEntryEffect != eeNone && location != ltManual && !bLinkTrigger;

    result.Project.bDynamicContentLocked = facts.bMultipleInstances || facts.bMultipleSequentialLayers;
    result.Project.bInstanceTabsVisible = facts.bMultipleInstances;
    result.Project.bSaveTemplateVisible = !facts.bMultipleInstances && facts.bTemplate;

    c.TitleEdit.bEnabled = c.Title.bChecked;
    c.URLEdit.bEnabled = c.URL.bChecked;
    ApplyMethodRules(c, bForcedOpening, facts);
    ApplySizePositionRules(c, location, iEntryEffect);
    ApplyAppearanceRules(c, location);
    return result;
}
