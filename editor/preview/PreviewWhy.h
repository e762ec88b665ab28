#pragma once

#include "TPreviewVisitor.h"

#include <QJsonObject>
#include <QString>

class TZEPInstance;

// How the visitor makes a popup open, as the popup's record says.
enum class CPreviewTrigger { ptPage, ptExit, ptClick, ptPointerOver, ptPointerOut, ptTooltip };

// The popup a preview shows: its uid (the name of its script variable) and trigger.
struct TPreviewPopup {
    QString sUid;
    CPreviewTrigger Trigger = CPreviewTrigger::ptPage;
};
TPreviewPopup PreviewPopupOf(const TZEPInstance& instance);

// The current popup's decision for this visit in plain words, from what the
// runtime did in the page: the facts the page reports for the popup (its
// parameters, whether it was drawn and is visible, the random draw, the
// cookies held at the start of the visit and the ones written, the opening
// timer), the trigger, and the visits made so far.
QString WhyText(const QJsonObject& facts, CPreviewTrigger trigger, const QString& sUid, const TPreviewVisitor& visitor);
