#pragma once

#include "TPreviewToolBar.h"
#include "TPreviewVisitor.h"

#include <QJsonObject>
#include <QObject>
#include <QTimer>

class TPreviewBrowser;
class TPreviewGenerator;

// Plays the visitor in the preview: carries out the tool bar's actions on
// the visitor and the page, keeps the visitor's world in the browser (a new
// page view starts from it), and keeps the "Why:" text in step with what the
// page shows. Nothing waits: each action ends in Played.
class TPreviewPlayer : public QObject {
    Q_OBJECT
public:
    static constexpr int iExplainEveryMs = 400;
    // Until a touch page has seen the visitor's scroll back up.
    static constexpr int iTouchExitMs = 150;

    TPreviewPlayer(TPreviewBrowser& browser, TPreviewGenerator& generator, TPreviewToolBar& toolBar,
                   QObject* parent = nullptr);

    // The device has touch or not: the current visit is shown again on it.
    void SetTouch(bool bTouch);
    void Act(CVisitorAction action);

signals:
    // The result of an action, or of a device change, is shown and the "Why:" text follows it.
    void Played();

private:
    // Moves the visitor on from the page's state {now, jar}, then shows the new visit.
    void MoveOn(CVisitorAction action, const QJsonObject& pageState);
    void Reload();
    // Asks the page about the current popup and shows its decision; bAction
    // when this ends an action.
    void Explain(bool bAction);

    TPreviewBrowser& Browser;
    TPreviewGenerator& Generator;
    TPreviewToolBar& ToolBar;
    TPreviewVisitor Visitor;
    bool bTouch = false;
    bool bReloading = false; // an action's new page view is on its way
    QTimer ExplainTimer;
};
