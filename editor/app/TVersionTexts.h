#pragma once

#include <QString>

// Texts the main window and the about box derive from the program version.

// "Version: 4.0.2,   Build 80" for 4.0.2.80: the part after the last dot that
// is not among the final two characters is the build number.
QString AboutVersionLine(const QString& sVersion);

// The version as twelve digits, three per component: 4.0.2.80 gives
// 004000002080; a component that is missing or not a number counts as 0.
QString LongVersionString(const QString& sVersion);

// The fixed part of the window title, e.g. "Brisola - V4.0".
QString TitleBase(const QString& sFileDescription, const QString& sShortVersion2);
