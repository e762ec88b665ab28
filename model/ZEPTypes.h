#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>

// Enumerations of the popup and project records. Each is stored as one byte
// holding the code of the value; the project file writes the code in decimal.

// How a popup enters the page.
enum CEntryEffect : quint8 {
    eeNone = 0,
    eeDropDown = 1,
    eeBounce = 2,
    eeSlideIn = 3,
    eeSlideInRight = 4,
    eeSlideUp = 5,
    eeFadeIn = 6,
};
constexpr int iEntryEffectCount = 7;

// How a popup leaves the page.
enum CExitEffect : quint8 {
    xeNone = 0,
    xeSlideOutLeft = 1,
    xeSlideOut = 2,
    xeSlideUpTop = 3,
    xeSlideDownBottom = 4,
    xeFadeOut = 5,
};
constexpr int iExitEffectCount = 6;

// Where a popup sits on the page.
enum CLocation : quint8 {
    ltManual = 0,
    ltTopLeft = 1,
    ltTopCentre = 2,
    ltTopRight = 3,
    ltRightCentre = 4,
    ltRightBottom = 5,
    ltBottomCentre = 6,
    ltBottomLeft = 7,
    ltLeftCentre = 8,
    ltCentre = 9,
    ltTopFullWidth = 10,
    ltCentreFullWidth = 11,
    ltBottomFullWidth = 12,
    ltFullWidthAndHeight = 13,
    ltAnchored = 14,
};
constexpr int iLocationCount = 15;

// The timing class of a popup; derived by the generators, never stored.
enum CEntryExitMode : quint8 {
    xmImmediate = 0,
    xmDelayedEntry = 1,
    xmDelayedExit = 2,
    xmDelayedEntryAndExit = 3,
};

// Extra code that the compiler adds to the generated scripts.
enum CAddedCodeOption : quint8 {
    acNoAddedCode = 0,
    acDontShowAgainCode = 1,
};

// When the generated script initialises.
enum CInitialisationOptions : quint8 {
    ioRunWhenPageLoaded = 0,
    ioRunImmediately = 1,
    ioNoInitialisation = 2,
};
constexpr int iInitialisationOptionCount = 3;

// One entry of the location display table.
struct SLocation {
    CLocation ID;
    const char* sName;
};

// The locations in the order the location lists show them ("Anchored" second).
extern const std::array<SLocation, iLocationCount> aLocations;

// The location whose display name equals the trimmed text (case matters);
// ltManual when none does.
CLocation LocationFromText(const QString& sName);
// The display name of a location; empty for a value outside the table.
QString TextFromLocation(CLocation location);

// Display texts in code order, as the editor's lists show them.
QStringList EntryEffectNames();
QStringList ExitEffectNames();
QStringList LocationNames(); // in display-table order
QStringList InitialisationOptionNames();
