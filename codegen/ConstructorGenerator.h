#pragma once

#include <QString>

#include "TZEPInstance.h"

// The statement that constructs one popup in the visitor's browser:
// <uid> = new QEL.zep.zepInstance("<uid>", ...39 arguments...);
// The text depends on the record alone (and its project's box-cover flag), never on files, clock or locale.
QString CreateInstanceFunction(const TZEPInstance& oInstance);

// The runtime's location code for a placement; a value outside the enumeration gives 0.
int GetLocationVal(CLocation location);

// The runtime's full-size mode: 1 for the full-width locations, 2 for full width and height, else 0.
int GetFullSizeMode(CLocation location);

// A colour as the runtime reads it: "#" and six upper-case hex digits, red first, between double quotes.
QString ColourToScriptText(quint32 colour);

// The probability divisor: 100 / percent with at most three decimals, always with a full stop.
QString ProbabilityDivisorText(const TZEPInstance& oInstance);
