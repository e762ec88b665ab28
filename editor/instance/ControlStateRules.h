#pragma once

#include "ZEPTypes.h"

#include <QString>

// The enabling rules of the instance editor as a plain function: what the
// controls show goes in, what they must show comes out. The widget layer
// reads the controls into a TControlStates, runs the rules and applies the
// result, so every rule can be tested without widgets.

// A check box: its tick and whether it can be changed.
struct TBoxState {
    bool bChecked = false;
    bool bEnabled = true;
    bool operator==(const TBoxState&) const = default;
};

// A text field: its text and whether it can be changed.
struct TFieldState {
    QString sText;
    bool bEnabled = true;
    bool operator==(const TFieldState&) const = default;
};

// The controls of the four groups that the rules read or set.
struct TControlStates {
    int iEntryEffect = 0; // list index; -1 (nothing selected) counts as no effect
    int iExitEffect = 0;
    bool bExitEffectEnabled = true;
    CLocation Location = ltManual;

    TBoxState Title, URL;
    TFieldState TitleEdit, URLEdit;
    TBoxState OpenAfter, CloseAfter, PerSession, OnExit, OnClick, MouseOver, MouseOut, Modal;
    TFieldState OpenAfterEdit, CloseAfterEdit;
    TBoxState Border, Shadow, Padding, TitleTransparent, BackgroundTransparent;
    TFieldState BorderEdit, ShadowEdit, PaddingEdit;
    // Colour field and swatch of a row share their state.
    bool bBorderColourEnabled = true;
    bool bShadowColourEnabled = true;
    bool bTitleColourEnabled = true;
    bool bTitleTextColourEnabled = true;
    bool bBackgroundColourEnabled = true;
    bool bTextColourEnabled = true;
    TBoxState CanMove, FromContent, CanResize, FollowScroll;
    TFieldState WidthEdit, HeightEdit, TopEdit, LeftEdit;

    bool operator==(const TControlStates&) const = default;
};

// What the rules need to know about the project around the current popup.
struct TProjectFacts {
    bool bMultipleInstances = false;
    bool bMultipleSequentialLayers = false;
    bool bTemplate = false;
    bool bOtherOnExit = false; // another popup of the project opens on exit intent
    bool bOtherModal = false;  // another popup of the project greys out the page
};

// What the rules decide for the controls outside the four groups.
struct TProjectControlStates {
    bool bDynamicContentLocked = false; // "Dynamic content file" checked and disabled
    bool bInstanceTabsVisible = false;
    bool bSaveTemplateVisible = false;
    bool operator==(const TProjectControlStates&) const = default;
};

struct TRuleResult {
    TControlStates Controls;
    TProjectControlStates Project;
};

// Applies the rules in their fixed order to what the controls show. All
// inputs that the first rule reads (entry effect, location, link triggers)
// are taken before any rule changes them.
TRuleResult UpdateControlStates(const TControlStates& shown, const TProjectFacts& facts);
