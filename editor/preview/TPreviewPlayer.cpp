#include "TPreviewPlayer.h"

#include "PreviewWhy.h"
#include "TPreviewBrowser.h"
#include "TPreviewGenerator.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QVariantMap>

namespace {

QJsonObject Object(const QVariant& value) {
    return QJsonObject::fromVariantMap(value.toMap());
}

} // namespace

TPreviewPlayer::TPreviewPlayer(TPreviewBrowser& browser, TPreviewGenerator& generator, TPreviewToolBar& toolBar,
                               QObject* parent)
    : QObject(parent), Browser(browser), Generator(generator), ToolBar(toolBar),
      Visitor(QDateTime::currentMSecsSinceEpoch()) {
    Browser.SetVisitorSeed(Visitor.Seed(bTouch));
    connect(&ToolBar, &TPreviewToolBar::ActionChosen, this, &TPreviewPlayer::Act);
    connect(&Generator, &TPreviewGenerator::Rendered, this, [this] {
        const bool bAction = bReloading;
        bReloading = false;
        Explain(bAction);
    });
    // The popup opens and closes by the visitor's clock: the text follows it.
    connect(&ExplainTimer, &QTimer::timeout, this, [this] {
        if (!Browser.IsBusy() && !bReloading)
            Explain(false);
    });
    ExplainTimer.start(iExplainEveryMs);
}

void TPreviewPlayer::SetTouch(bool bNewTouch) {
    bTouch = bNewTouch;
    Reload();
}

void TPreviewPlayer::Act(CVisitorAction action) {
    switch (action) {
    case CVisitorAction::vaSkipDelay:
        Browser.RunScript(QStringLiteral("window.brisolaPreview && brisolaPreview.skip()"),
                          [this](const QVariant&) { Explain(true); });
        return;
    case CVisitorAction::vaExitIntent:
        // On a touch device the page sees the scroll back up a moment later.
        Browser.RunScript(QStringLiteral("window.brisolaPreview && brisolaPreview.exit()"), [this](const QVariant&) {
            QTimer::singleShot(bTouch ? iTouchExitMs : 0, this, [this] { Explain(true); });
        });
        return;
    case CVisitorAction::vaResetVisitor:
        Browser.RunScript(QStringLiteral("localStorage.clear(); sessionStorage.clear(); null"),
                          [this, action](const QVariant&) { MoveOn(action, QJsonObject()); });
        return;
    case CVisitorAction::vaNewSession:
        Browser.RunScript(QStringLiteral("sessionStorage.clear(); window.brisolaPreview && brisolaPreview.state()"),
                          [this, action](const QVariant& state) { MoveOn(action, Object(state)); });
        return;
    case CVisitorAction::vaNewVisit:
    case CVisitorAction::vaNextDay:
        Browser.RunScript(QStringLiteral("window.brisolaPreview && brisolaPreview.state()"),
                          [this, action](const QVariant& state) { MoveOn(action, Object(state)); });
        return;
    }
}

void TPreviewPlayer::MoveOn(CVisitorAction action, const QJsonObject& pageState) {
    // Without a page (none shown yet) the visitor goes on from the start of the current visit.
    const QJsonObject state = pageState.contains(QStringLiteral("now"))
                                  ? pageState
                                  : QJsonObject{{QStringLiteral("now"), double(Visitor.Current().iStart)},
                                                {QStringLiteral("jar"), Visitor.Cookies()}};
    switch (action) {
    case CVisitorAction::vaNewVisit:
        Visitor.NewVisit(state);
        break;
    case CVisitorAction::vaNewSession:
        Visitor.NewSession(state);
        break;
    case CVisitorAction::vaNextDay:
        Visitor.NextDay(state);
        break;
    default:
        Visitor.Reset(QDateTime::currentMSecsSinceEpoch());
        break;
    }
    Reload();
}

void TPreviewPlayer::Reload() {
    Browser.SetVisitorSeed(Visitor.Seed(bTouch));
    bReloading = Generator.Replay();
    if (!bReloading)
        emit Played();
}

void TPreviewPlayer::Explain(bool bAction) {
    const TPreviewPopup popup = Generator.Popup();
    if (popup.sUid.isEmpty()) {
        if (bAction)
            emit Played();
        return;
    }
    Browser.RunScript(QStringLiteral("window.brisolaPreview ? brisolaPreview.facts(%1) : null")
                          .arg(QString::fromUtf8(QJsonDocument(QJsonArray{popup.sUid}).toJson(QJsonDocument::Compact))
                                   .mid(1)
                                   .chopped(1)),
                      [this, bAction, popup](const QVariant& value) {
                          const QJsonObject facts = Object(value);
                          if (!facts.isEmpty()) {
                              if (facts.value(QStringLiteral("drawn")).toBool() &&
                                  facts.value(QStringLiteral("isc")).toInt() == 0)
                                  Visitor.NoteShown(popup.sUid);
                              if (facts.value(QStringLiteral("visible")).toBool())
                                  Visitor.NoteSeen(popup.sUid);
                              ToolBar.SetWhy(WhyText(facts, popup.Trigger, popup.sUid, Visitor));
                          }
                          if (bAction)
                              emit Played();
                      });
}
