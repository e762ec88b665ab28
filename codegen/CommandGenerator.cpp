#include "CommandGenerator.h"

#include "ScriptText.h"
#include "StringUtils.h"

namespace {

// The identifier used where sFunc is blank.
const QString csBlankID = QStringLiteral("UniqueID");

// What an entry effect runs: its immediate command is made of its two functions called in turn.
struct TEntryFunctions {
    QString sFirst;
    QString sSecond;
};

std::optional<TEntryFunctions> EntryFunctions(CEntryEffect effect) {
    const QString sShow = QStringLiteral("QEL.zep.zepShow");
    switch (effect) {
    case eeNone:
        return TEntryFunctions{sShow, {}};
    case eeDropDown:
    case eeBounce:
        return TEntryFunctions{QStringLiteral("QEL.zep.zepDropin"), sShow};
    case eeSlideIn:
        return TEntryFunctions{QStringLiteral("QEL.zep.zepSlidein"), sShow};
    case eeSlideInRight:
        return TEntryFunctions{QStringLiteral("QEL.zep.zepSlideInRight"), sShow};
    case eeSlideUp:
        return TEntryFunctions{QStringLiteral("QEL.zep.zepSlideup"), sShow};
    case eeFadeIn:
        return TEntryFunctions{QStringLiteral("QEL.zep.zepFadein"), {}};
    }
    return std::nullopt;
}

QString ExitFunction(CExitEffect effect) {
    switch (effect) {
    case xeNone:
        return QStringLiteral("QEL.zep.zepHide");
    case xeSlideOutLeft:
        return QStringLiteral("QEL.zep.zepSlideOutLeft");
    case xeSlideOut:
        return QStringLiteral("QEL.zep.zepSlideout");
    case xeSlideUpTop:
        return QStringLiteral("QEL.zep.zepSlideUpTop");
    case xeSlideDownBottom:
        return QStringLiteral("QEL.zep.zepSlideDownBottom");
    case xeFadeOut:
        return QStringLiteral("QEL.zep.zepFadeout");
    }
    return {};
}

// Builds the command of one popup for one identifier.
class TCommandBuilder {
public:
    TCommandBuilder(const TZEPInstance& oInstance, const QString& sID)
        : oInstance(oInstance), sQuotedID(QLatin1Char('\'') + sID + QLatin1Char('\'')),
          oEntry(EntryFunctions(oInstance.EntryEffect)), sExit(ExitFunction(oInstance.ExitEffect)) {
        const QString sVariable = oInstance.GetScriptName();
        sTimerVariable = sVariable.isEmpty() ? csBlankID : sVariable;
    }

    // The entry effect's functions called at once, each with the identifier.
    QString ImmediateEntry() const {
        QString sText;
        if (oEntry) {
            for (const QString& sFunction : {oEntry->sFirst, oEntry->sSecond})
                if (!sFunction.isEmpty())
                    sText += sFunction + QLatin1Char('(') + sQuotedID + QStringLiteral(");");
        }
        return sText;
    }

    // A timer call with the entry functions after the open delay and/or the exit function after the close delay.
    QString Timer(bool bEntry, bool bExit) const {
        TTimerCall call{sTimerVariable, sQuotedID, {}, std::nullopt, std::nullopt};
        if (bEntry) {
            if (oEntry) {
                call.Functions[0] = oEntry->sFirst;
                call.Functions[1] = oEntry->sSecond;
            }
            call.iFirstDelay = oInstance.iOpenAfterDelay;
        }
        if (bExit) {
            call.Functions[2] = sExit;
            call.iSecondDelay = oInstance.iCloseAfterDelay;
        }
        return call.Text();
    }

    QString Command(const QString& sContentFunctions) const {
        const bool bUserAction = oInstance.bOnClick != 0 || oInstance.bMouseOver != 0 || oInstance.bMouseOut != 0;
        if (bUserAction) {
            // The visitor's action opens the popup, so the open delay does not apply; the close delay counts
            // from that action.
            QString sText = sContentFunctions + ImmediateEntry();
            if (IsFlagSet(oInstance.bCloseAfterSelected))
                sText += Timer(false, true);
            return sText;
        }
        switch (GetEventMode(oInstance)) {
        case xmImmediate:
            return ImmediateEntry();
        case xmDelayedEntry:
            return Timer(true, false);
        case xmDelayedExit:
            return ImmediateEntry() + Timer(false, true);
        case xmDelayedEntryAndExit:
            return Timer(true, true);
        }
        return {};
    }

private:
    const TZEPInstance& oInstance;
    QString sQuotedID;
    std::optional<TEntryFunctions> oEntry;
    QString sExit;
    QString sTimerVariable;
};

} // namespace

CEntryExitMode GetEventMode(const TZEPInstance& oInstance) {
    const bool bOpenAfter = IsFlagSet(oInstance.bOpenAfterSelected);
    const bool bCloseAfter = IsFlagSet(oInstance.bCloseAfterSelected);
    if (bOpenAfter)
        return bCloseAfter ? xmDelayedEntryAndExit : xmDelayedEntry;
    return bCloseAfter ? xmDelayedExit : xmImmediate;
}

QString GenerateCommandString(const TZEPInstance& oInstance, const QString& sFunc, const QString& sContentFunctions) {
    if (IsFlagSet(oInstance.bToolTip) || IsFlagSet(oInstance.bSiteWide))
        return {};
    const QString sTrimmed = TrimText(sFunc);
    const QString sID = sTrimmed.isEmpty() ? csBlankID : sTrimmed;
    const QString sCommand = TCommandBuilder(oInstance, sID).Command(sContentFunctions);
    if (TrimText(sCommand).isEmpty())
        return {};
    return QStringLiteral("  if(!") + sID + QStringLiteral(".pars.isc){ ") + csLineBreak + QStringLiteral("    ") +
           sCommand + csLineBreak + QStringLiteral("  }");
}
