#include "ZEPTypes.h"

const std::array<SLocation, iLocationCount> aLocations = {{
    {ltManual, "Manual"},
    {ltAnchored, "Anchored"},
    {ltTopLeft, "Top left"},
    {ltTopCentre, "Top center"},
    {ltTopRight, "Top right"},
    {ltRightCentre, "Right center"},
    {ltRightBottom, "Right bottom"},
    {ltBottomCentre, "Bottom center"},
    {ltBottomLeft, "Bottom left"},
    {ltLeftCentre, "Left center"},
    {ltCentre, "Center"},
    {ltTopFullWidth, "Top full width"},
    {ltCentreFullWidth, "Center full width"},
    {ltBottomFullWidth, "Bottom full width"},
    {ltFullWidthAndHeight, "Full width & height"},
}};

CLocation LocationFromText(const QString& sName) {
    const QString sTrimmed = sName.trimmed();
    for (const SLocation& location : aLocations) {
        if (sTrimmed == QLatin1String(location.sName)) {
            return location.ID;
        }
    }
    return ltManual;
}

QString TextFromLocation(CLocation location) {
    for (const SLocation& entry : aLocations) {
        if (entry.ID == location) {
            return QString::fromLatin1(entry.sName);
        }
    }
    return QString();
}

QStringList EntryEffectNames() {
    return {"No entry effect",     "Drop-in from top",     "Drop-in & bounce", "Slide-in from left",
            "Slide-in from right", "Slide-up from bottom", "Fade-in"};
}

QStringList ExitEffectNames() {
    return {"No exit effect",  "Slide-out to left",    "Slide-out to right",
            "Slide-up to top", "Slide-down to bottom", "Fade-out"};
}

QStringList LocationNames() {
    QStringList names;
    for (const SLocation& location : aLocations) {
        names.append(QString::fromLatin1(location.sName));
    }
    return names;
}

QStringList InitialisationOptionNames() {
    return {"Run when page has finished loading", "Run immediately", "Do not initialise"};
}
