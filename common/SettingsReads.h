#pragma once

#include <QSettings>
#include <QString>

// Reads of the per-user settings store that never fail: a value that is
// absent or has another type gives the default.

// The stored text, trimmed; an absent value reads as an empty text, a value of
// another type as the trimmed default.
QString ReadStringDef(const QSettings& settings, const QString& sName, const QString& sDefault);
// A whole number in 32-bit range.
int ReadIntegerDef(const QSettings& settings, const QString& sName, int iDefault);
// A flag stored as an integer: non-zero is true.
bool ReadBoolDef(const QSettings& settings, const QString& sName, bool bDefault);
// A finite real number.
double ReadFloatDef(const QSettings& settings, const QString& sName, double fDefault);
