#pragma once

#include "ZEPTypes.h"

#include <QString>
#include <QStringList>

class TContentItem;
class TContentList;
class TZEPInstance;

// The rules and texts of the sequential layers dialog that need no widget.

inline const QString sContentMissing = QStringLiteral("Content missing or corrupted");
inline const QString sSetAllQuestion = QStringLiteral("This will overwrite all existing content\r\nAre you sure?");
inline const QString sNoContentSelected = QStringLiteral(" No Content Selected ");

// The link text template: a borderless image whose source is sSource.
QString ImageTag(const QString& sSource);
QString DeleteLayerQuestion(const QString& sIndex);
QString ContentOptionsTitle(const QString& sIndex);
QString HTMLEditCaption(const QString& sIndex);
// The edited content string on one line: trimmed, carriage returns removed,
// line feeds turned into blanks.
QString FlattenContentString(const QString& sText);

// The location names a layer can take: the nine corner, edge and centre places.
QStringList LayerLocationNames();

// What the edit fields of a layer hold, as typed.
struct TLayerFields {
    QString sWidth;
    QString sHeight;
    QString sLeft;
    QString sTop;
    QString sLocation; // empty when no location is selected
    bool bRelative = false;
    QString sLinkText;
};
TLayerFields LayerFields(const TContentItem& oItem);
// Set: the size, place and location for a further layer, the trimmed link
// text for every item. Text that is not a number gives 0, an unknown
// location ltManual.
void StoreLayerFields(TContentItem& oItem, const TLayerFields& Fields);

// Adds a layer with the lowest free number, a copy of the main content's HTML
// and the popup's size, place and location; false without a main content.
bool AddLayer(TContentList& Content, const TZEPInstance& oInstance);
// Gives the item at iIndex the flattened text as HTML and rewrites its line.
void SetLayerHTML(TContentList& Content, int iIndex, const QString& sText);
// The script that the layer's link runs: its link functions, then the
// popup's show commands.
QString LinkCommandText(const TContentItem& oItem, const TZEPInstance& oInstance);

// The enabled and visible states of the dialog's controls.
struct TLayerControls {
    int iHeight = 0;
    bool bEditingVisible = false;
    bool bSwitchEnabled = true;
    bool bDeleteEnabled = false;
    QString sEditTitle;
    bool bEditEnabled = false;
    bool bSizeEnabled = false;
    bool bLeftTopEnabled = false;
    bool bLocationEnabled = false;
    bool bRelativeEnabled = false;
    bool bLocationVisible = false;
    bool bRelativeVisible = false;
    bool bSetAllEnabled = false;
};
struct TLayerState {
    bool bSwitchOn = false;
    bool bOtherPopupHasLayers = false;
    int iItemCount = 0;
    const TContentItem* oSelected = nullptr;
    bool bFixedLocation = false; // the popup's location is not "Manual"
};
TLayerControls LayerControls(const TLayerState& State);
