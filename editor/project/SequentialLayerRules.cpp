#include "SequentialLayerRules.h"

#include "CommandGenerator.h"
#include "SnippetGenerator.h"
#include "StringUtils.h"
#include "TContentList.h"
#include "TZEPInstance.h"

namespace {

constexpr int iOpenHeight = 640;
constexpr int iClosedHeight = 169;

} // namespace

QString ImageTag(const QString& sSource) {
    return QStringLiteral("<img style=\"border-style:none\" src=\"") + sSource + QStringLiteral("\" />");
}

QString DeleteLayerQuestion(const QString& sIndex) {
    return QStringLiteral("Are you sure you wish to delete content ") + sIndex;
}

QString ContentOptionsTitle(const QString& sIndex) {
    return QStringLiteral(" Content Options for ") + sIndex + QLatin1Char(' ');
}

QString HTMLEditCaption(const QString& sIndex) {
    return QStringLiteral("Content string for content ") + sIndex;
}

QString FlattenContentString(const QString& sText) {
    QString sFlat = TrimText(sText);
    sFlat.remove(QLatin1Char('\r'));
    sFlat.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return sFlat;
}

QStringList LayerLocationNames() {
    QStringList names;
    for (int iCode = ltTopLeft; iCode <= ltCentre; ++iCode)
        names << TextFromLocation(CLocation(iCode));
    return names;
}

TLayerFields LayerFields(const TContentItem& oItem) {
    return {QString::number(oItem.iAPIWidth), QString::number(oItem.iAPIHeight),   QString::number(oItem.iAPILeft),
            QString::number(oItem.iAPITop),   TextFromLocation(oItem.APILocation), oItem.bAPIRelativePositioning == 1,
            oItem.sAPISpecificLinkText};
}

void StoreLayerFields(TContentItem& oItem, const TLayerFields& Fields) {
    if (oItem.iLID != 0) {
        oItem.iAPIHeight = StrToIntZero(Fields.sHeight);
        oItem.iAPIWidth = StrToIntZero(Fields.sWidth);
        oItem.iAPITop = StrToIntZero(Fields.sTop);
        oItem.iAPILeft = StrToIntZero(Fields.sLeft);
        oItem.APILocation = Fields.sLocation.isEmpty() ? ltManual : LocationFromText(Fields.sLocation);
        oItem.bAPIRelativePositioning = Fields.bRelative ? 1 : 0;
    }
    oItem.sAPISpecificLinkText = TrimText(Fields.sLinkText);
}

bool AddLayer(TContentList& Content, const TZEPInstance& oInstance) {
    const int iMain = Content.FindContentIndex(0);
    if (iMain < 0)
        return false;
    const QString sHTML = Content.Item(iMain).sHTML;
    Content.AddContent(oInstance, sHTML, oInstance.GetContentIndex(), Content.GetNextFreeID());
    return true;
}

void SetLayerHTML(TContentList& Content, int iIndex, const QString& sText) {
    TContentItem& oItem = Content.Item(iIndex);
    oItem.sHTML = FlattenContentString(sText);
    Content.SetLine(iIndex, oItem.sIndex + QLatin1Char('=') + oItem.sHTML);
}

QString LinkCommandText(const TContentItem& oItem, const TZEPInstance& oInstance) {
    return CreateLinkFunctions(oItem, oInstance) + GenerateCommandString(oInstance, oInstance.sUniqueID, QString());
}

TLayerControls LayerControls(const TLayerState& State) {
    TLayerControls c;
    c.iHeight = State.bSwitchOn ? iOpenHeight : iClosedHeight;
    c.bEditingVisible = State.bSwitchOn;
    c.bSwitchEnabled = !(State.bSwitchOn && (State.bOtherPopupHasLayers || State.iItemCount > 1));
    const TContentItem* oItem = State.oSelected;
    c.bDeleteEnabled = oItem && oItem->iLID != 0;
    if (!oItem) {
        c.sEditTitle = sNoContentSelected;
        return c;
    }
    c.sEditTitle = ContentOptionsTitle(oItem->sIndex);
    c.bEditEnabled = true;
    const bool bLayer = oItem->iLID != 0;
    c.bSizeEnabled = bLayer;
    c.bLocationEnabled = bLayer;
    c.bRelativeEnabled = bLayer;
    c.bLeftTopEnabled = bLayer && !State.bFixedLocation;
    c.bLocationVisible = State.bFixedLocation;
    c.bRelativeVisible = !State.bFixedLocation;
    c.bSetAllEnabled = State.iItemCount > 1;
    return c;
}
