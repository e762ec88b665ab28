#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// Small text rules shared by the generators.

// A flag counts as set only when it holds exactly 1.
inline bool IsFlagSet(quint8 bFlag) {
    return bFlag == 1;
}

// "1" for a set flag, "0" for anything else.
inline QString FlagText(quint8 bFlag) {
    return IsFlagSet(bFlag) ? QStringLiteral("1") : QStringLiteral("0");
}

// The line break of generated scripts.
inline constexpr QLatin1String csLineBreak("\r\n");

// A call of the runtime timer of the popup held in sVariable:
// sVariable.zepTimer(sQuotedID,'f1','f2','f3','f4',d1,d2);
// Empty function names are written as '' and absent delays as ''.
struct TTimerCall {
    QString sVariable;
    QString sQuotedID;
    std::array<QString, 4> Functions;
    std::optional<int> iFirstDelay;
    std::optional<int> iSecondDelay;

    QString Text() const;
};
