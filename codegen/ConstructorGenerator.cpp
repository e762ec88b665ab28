#include "ConstructorGenerator.h"

#include <QStringList>

#include "ScheduleScript.h"
#include "ScriptString.h"
#include "ScriptText.h"
#include "TFont.h"
#include "TZEPProject.h"

namespace {

QString IntText(qint64 value) {
    return QString::number(value);
}

// The runtime's full-size mode: 1 for the full-width locations, 2 for full width and height, else 0.
int GetFullSizeMode(CLocation location) {
    switch (location) {
    case ltTopFullWidth:
    case ltCentreFullWidth:
    case ltBottomFullWidth:
        return 1;
    case ltFullWidthAndHeight:
        return 2;
    default:
        return 0;
    }
}

// A colour as the runtime reads it: "#" and six upper-case hex digits, red first, between double quotes.
QString ColourToScriptText(quint32 colour) {
    const quint32 rgb = ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
    return QStringLiteral("\"#%1\"").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

// 100 / percent rounded to thousandths, halves away from zero, in exact integer arithmetic.
QString DivisorText(int iPercent) {
    const qint64 percent = iPercent < 0 ? -qint64(iPercent) : qint64(iPercent);
    const qint64 thousandths = (2 * 100000 + percent) / (2 * percent);
    QString sText = IntText(thousandths / 1000);
    const qint64 fraction = thousandths % 1000;
    if (fraction != 0) {
        QString sDigits = QStringLiteral("%1").arg(fraction, 3, 10, QLatin1Char('0'));
        while (sDigits.endsWith(QLatin1Char('0')))
            sDigits.chop(1);
        sText += QLatin1Char('.') + sDigits;
    }
    return iPercent < 0 ? QLatin1Char('-') + sText : sText;
}

// The probability divisor: 100 / percent with at most three decimals, always with a full stop.
QString ProbabilityDivisorText(const TZEPInstance& oInstance) {
    if (!IsFlagSet(oInstance.bControlProbablility))
        return QStringLiteral("1");
    if (oInstance.iProbabilityPercent == 0)
        return QStringLiteral("100");
    return DivisorText(oInstance.iProbabilityPercent);
}

// Sizes below the runtime's minimum content size are raised to it.
constexpr int ciMinimumSize = 50;

QString SizeText(int size) {
    return IntText(size < ciMinimumSize ? ciMinimumSize : size);
}

// A size that only counts when its switch is on: "0" otherwise.
QString SwitchedSizeText(quint8 bSwitch, int size) {
    return IsFlagSet(bSwitch) ? IntText(size) : QStringLiteral("0");
}

QString TransparentOrColour(bool bTransparent, quint32 colour) {
    return bTransparent ? QStringLiteral("\"transparent\"") : ColourToScriptText(colour);
}

// The project's box-cover flag; a record outside any project has it off.
quint8 CoverBoxes(const TZEPInstance& oInstance) {
    const TZEPProject* oProject = oInstance.Project();
    return oProject ? oProject->bCoverBoxes : 0;
}

// Arguments 2 to 39 of the constructor, in the runtime's parameter order.
QStringList ConstructorArguments(const TZEPInstance& oInstance) {
    const TZEPInstance& o = oInstance;
    const bool bTransparentTitle = IsFlagSet(o.bTransparentTitle);
    const bool bTransparentBackground = IsFlagSet(o.bTransparentBackground);
    return {
        SwitchedSizeText(o.bBorder, o.iBorderSize),                                       // bwh
        TransparentOrColour(bTransparentTitle || bTransparentBackground, o.BorderColour), // bc7
        FlagText(o.bOnExit),                                                              // isex
        FlagText(o.bPerSession),                                                          // oo7
        IntText(GetLocationVal(o.Location)),                                              // pla
        IntText(o.iCloseAfterDelay),                                                      // shf
        FlagText(o.bSiteWide),                                                            // pcc
        IntText(o.iTryOnce),                                                              // tro
        IntText(o.iTryAgain),                                                             // tra
        FlagText(o.bOncePer),                                                             // issp
        IntText(qint64(o.iNunberDays) * 86400),                                           // plt
        ProbabilityDivisorText(o),                                                        // rn
        SwitchedSizeText(o.bPadding, o.iPaddingSize),                                     // cpad
        QStringLiteral("0"),                                                              // tbw
        FlagText(o.bScrollBars),                                                          // is7
        FlagText(o.bFollowScroll),                                                        // isScr
        FlagText(CoverBoxes(o)),                                                          // ifr
        IntText(GetFullSizeMode(o.Location)),                                             // fw7
        IntText(o.iLeft),                                                                 // zepx
        IntText(o.iTop),                                                                  // zepy
        SizeText(o.iWidth),                                                               // zepw
        SizeText(o.iHeight),                                                              // zeph
        FlagText(o.bTitleSelected),                                                       // it9
        ColourToScriptText(o.TitleTextColour),                                            // tc2
        TransparentOrColour(bTransparentTitle, o.TitleColour),                            // tc3
        TransparentOrColour(bTransparentBackground, o.BackgroundColour),                  // ib8
        FlagText(o.bShadow),                                                              // is6
        IntText(o.iShadowSize),                                                           // shs
        ColourToScriptText(o.ShadowColour),                                               // sc5
        FlagText(o.EntryEffect == eeBounce),                                              // bng
        FlagText(o.bCanResize),                                                           // ir9
        FlagText(o.bCanClose),                                                            // cc6
        FlagText(o.bCanMove),                                                             // im5
        FlagText(o.bFromContent),                                                         // cnm
        QLatin1Char('"') + EscapeScriptString(FontToCSSText(o.Font)) + QLatin1Char('"'),  // if8
        ColourToScriptText(o.TextPanelColour),                                            // it3
        FlagText(o.bModal),                                                               // msk
        FlagText(o.bRotationMode),                                                        // rot
    };
}

} // namespace

QString CreateInstanceFunction(const TZEPInstance& oInstance) {
    // The variable and the runtime's uid are one name, so the commands that address the popup by it find it.
    const QString sName = oInstance.GetScriptName();
    QString sText = sName + QStringLiteral(" = new QEL.zep.zepInstance(\"") + sName + QLatin1Char('"');
    for (const QString& sArgument : ConstructorArguments(oInstance))
        sText += QStringLiteral(", ") + sArgument;
    // The schedule and limits follow only when the popup uses them.
    const QString sSchedule = ScheduleArgument(oInstance);
    if (!sSchedule.isEmpty())
        sText += QStringLiteral(", ") + sSchedule;
    return sText + QStringLiteral(");");
}

int GetLocationVal(CLocation location) {
    switch (location) {
    case ltManual:
        return 0;
    case ltTopLeft:
        return 6;
    case ltTopCentre:
    case ltTopFullWidth:
        return 5;
    case ltTopRight:
        return 9;
    case ltRightCentre:
        return 4;
    case ltRightBottom:
        return 8;
    case ltBottomCentre:
    case ltBottomFullWidth:
        return 2;
    case ltBottomLeft:
        return 7;
    case ltLeftCentre:
        return 3;
    case ltCentre:
    case ltCentreFullWidth:
    case ltFullWidthAndHeight:
        return 1;
    case ltAnchored:
        return 10;
    }
    return 0;
}
