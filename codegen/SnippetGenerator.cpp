#include "SnippetGenerator.h"

#include "CommandGenerator.h"
#include "ConstructorGenerator.h"
#include "ScriptNames.h"
#include "ScriptText.h"
#include "StrictLinks.h"
#include "StringUtils.h"

namespace {

// The link text a designer is expected to replace; the kind of link follows it.
const QString csPlaceholderLinkText = QStringLiteral("Add your textual or image link here for");

// The anchor of one kind of event link. The event attribute's closing quotation mark is the first character of
// the link tail, so the attribute is closed exactly once.
struct TEventLink {
    QString sOpening;
    QString sAttributeEnd;
    QString sKind;
    QString sStrictEvent; // the event's name in the data attribute of a link without inline script
};

TEventLink MakeEventLink(const char* sEvent, const QString& sAttributeEnd, const char* sKind, const char* sStrict) {
    return {QStringLiteral("<a style=\"font-weight: bold;color: #1C5EA2;\" href=\"javascript:void(0)\" ") +
                QLatin1String(sEvent) + QStringLiteral(" = \"  "),
            sAttributeEnd, QLatin1String(sKind), QLatin1String(sStrict)};
}

std::optional<TEventLink> ChosenEventLink(const TZEPInstance& oInstance) {
    const bool bOver = IsFlagSet(oInstance.bMouseOver);
    const bool bOut = IsFlagSet(oInstance.bMouseOut);
    const bool bClick = IsFlagSet(oInstance.bOnClick);
    const bool bOverOff = oInstance.bMouseOver == 0;
    const bool bOutOff = oInstance.bMouseOut == 0;
    const bool bClickOff = oInstance.bOnClick == 0;
    if (bOver && bOutOff && bClickOff)
        return MakeEventLink("onmouseover", {}, "mouseover", "mouseover");
    if (bOut && bOverOff && bClickOff)
        return MakeEventLink("onmouseout", {}, "mouseout", "mouseout");
    if (bClick && bOverOff && bOutOff)
        return MakeEventLink("onclick", QStringLiteral("return false;"), "On-click", "click");
    return std::nullopt;
}

// What follows the link's opening tag: its text, the popup's image link, or the placeholder. Without inline
// script the image carries no style attribute.
QString LinkTail(const TZEPInstance& oInstance, const QString& sSpecificLinkText, const QString& sKind, bool bStrict) {
    const QString sText = TrimText(sSpecificLinkText);
    if (!sText.isEmpty() && sText != csPlaceholderLinkText)
        return sText + QStringLiteral("</a>");
    const QString sImage = TrimText(oInstance.sImageLink);
    if (!sImage.isEmpty())
        return (bStrict ? QStringLiteral("<img") : QStringLiteral("<img style=\"border-style:none\"")) +
               QStringLiteral(" src=\"") + EscapeHtmlAttribute(sImage) + QStringLiteral("\" /></a>");
    return csPlaceholderLinkText + QLatin1Char(' ') + sKind + QStringLiteral("</a>");
}

QString ModalCommand(const TZEPInstance& oInstance) {
    const QString sShow = QStringLiteral("QEL.zep.zepShow");
    const QString sHide = QStringLiteral("QEL.zep.zepHide");
    TTimerCall call{QStringLiteral("zepMask"), QStringLiteral("'zepMask'"), {}, 0, 0};
    switch (GetEventMode(oInstance)) {
    case xmImmediate:
        return QStringLiteral("QEL.zep.zepShow('zepMask');");
    case xmDelayedEntry:
        call.Functions[0] = sShow;
        call.iFirstDelay = oInstance.iOpenAfterDelay;
        break;
    case xmDelayedExit:
        call.Functions[2] = sHide;
        call.iSecondDelay = oInstance.iCloseAfterDelay;
        break;
    case xmDelayedEntryAndExit:
        call.Functions[0] = sShow;
        call.Functions[2] = sHide;
        call.iFirstDelay = oInstance.iOpenAfterDelay;
        call.iSecondDelay = oInstance.iCloseAfterDelay;
        break;
    }
    return call.Text();
}

} // namespace

QString GetMouseEventText(const TZEPInstance& oInstance, const QString& sCommand, const QString& sSpecificLinkText,
                          bool bStrict) {
    const std::optional<TEventLink> oLink = ChosenEventLink(oInstance);
    if (!oLink)
        return {};
    const QString sStrictAttribute = bStrict ? StrictEventAttribute(oLink->sStrictEvent, sCommand) : QString();
    if (!sStrictAttribute.isEmpty())
        return QStringLiteral("<a ") +
               (oLink->sStrictEvent == QLatin1String("click") ? QStringLiteral("href=\"#\" ") : QString()) +
               sStrictAttribute + u'>' + LinkTail(oInstance, sSpecificLinkText, oLink->sKind, true);
    return oLink->sOpening + sCommand + oLink->sAttributeEnd + QStringLiteral("\">") +
           LinkTail(oInstance, sSpecificLinkText, oLink->sKind, false);
}

QString GenerateModalString(const TZEPInstance& oInstance) {
    if (!IsFlagSet(oInstance.bModal))
        return {};
    // Unlike the popup's trigger command, the guard governs the single mask statement without braces.
    return QStringLiteral("  if(!") + oInstance.GetScriptName() + QStringLiteral(".pars.isc)") + csLineBreak +
           QStringLiteral("    ") + ModalCommand(oInstance);
}

QString CreateLinkFunctions(const TContentItem& oItem, const TZEPInstance& oInstance) {
    const QString sUID = oInstance.GetScriptName();
    const auto call = [&sUID](const char* sFunction, const QString& sArguments) {
        return QStringLiteral("QEL.zep.") + QLatin1String(sFunction) + QStringLiteral("('") + sUID +
               QStringLiteral("'") + sArguments + QStringLiteral(");");
    };
    const auto n = [](qint64 value) { return QStringLiteral(", ") + QString::number(value); };
    QString sText = call("zepHide", {});
    sText += call("zepSize", n(oItem.iAPIWidth) + n(oItem.iAPIHeight));
    sText += call("zepContent", QStringLiteral(", ") + oItem.sIndex);
    if (oInstance.Location == ltManual)
        sText += call("zepLocation", n(oItem.iAPILeft) + n(oItem.iAPITop) + QStringLiteral(", ") +
                                         FlagText(oItem.bAPIRelativePositioning) + QStringLiteral(", event"));
    else
        sText += call("zepPlace", n(GetLocationVal(oItem.APILocation)) + n(0));
    return sText;
}
