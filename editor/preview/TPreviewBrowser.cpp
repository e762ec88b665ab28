#include "TPreviewBrowser.h"

#include "PreviewEngineFlags.h"
#include "TPreviewVisitor.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace {

// The text as a JavaScript string literal.
QString ScriptStringLiteral(const QString& sText) {
    const QByteArray json = QJsonDocument(QJsonArray{sText}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(json.mid(1, json.size() - 2));
}

QString ResourceText(const QString& sName) {
    QFile file(sName);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The view, with the preview's engine flags in place first: an engine started
// for it starts with them.
QWebEngineView* CreateView(QWidget* parent) {
    PreviewEngineFlags::Apply();
    return new QWebEngineView(parent);
}

} // namespace

TPreviewBrowser::TPreviewBrowser(QWidget* parent)
    : QObject(parent), oView(CreateView(parent)),
      VisitorSeed(TPreviewVisitor(QDateTime::currentMSecsSinceEpoch()).Seed(false)) {
    oView->setObjectName(QStringLiteral("PreviewBrowser"));
    oView->setContextMenuPolicy(Qt::NoContextMenu);
    Timeout.setSingleShot(true);
    connect(&Timeout, &QTimer::timeout, this, [this] {
        Finish(false, State == CState::stLoading ? QStringLiteral("The preview page did not load in time")
                                                 : QStringLiteral("The preview page did not answer in time"));
    });
}

void TPreviewBrowser::PreparePage() {
    if (bPagePrepared)
        return;
    bPagePrepared = true;
    InstallVisitor();
    connect(oView->page(), &QWebEnginePage::loadingChanged, this, &TPreviewBrowser::LoadingChanged);
}

void TPreviewBrowser::SetVisitorSeed(const QJsonObject& seed) {
    VisitorSeed = seed;
    if (bPagePrepared)
        InstallVisitor();
}

void TPreviewBrowser::InstallVisitor() {
    QWebEngineScriptCollection& scripts = oView->page()->scripts();
    for (const QWebEngineScript& old : scripts.find(QStringLiteral("PreviewVisitor")))
        scripts.remove(old);
    QWebEngineScript visitor;
    visitor.setName(QStringLiteral("PreviewVisitor"));
    visitor.setInjectionPoint(QWebEngineScript::DocumentCreation);
    visitor.setWorldId(QWebEngineScript::MainWorld);
    visitor.setSourceCode(ResourceText(QStringLiteral(":/editor/PreviewVisitor.js")) + u'(' +
                          QString::fromUtf8(QJsonDocument(VisitorSeed).toJson(QJsonDocument::Compact)) +
                          QStringLiteral(");"));
    scripts.insert(visitor);
}

void TPreviewBrowser::Show(const QUrl& page, const QString& sHtml) {
    PreparePage();
    ++iJob;
    State = CState::stLoading;
    PageUrl = page;
    sInsertHtml = sHtml;
    Timeout.start(iLoadTimeoutMs);
    oView->load(page);
}

void TPreviewBrowser::LoadingChanged(const QWebEngineLoadingInfo& info) {
    // Loads of earlier pages, and the page's own navigations, are not ours.
    // A load that a newer one interrupted ends as stopped.
    if (State != CState::stLoading || info.url() != PageUrl ||
        info.status() == QWebEngineLoadingInfo::LoadStartedStatus ||
        info.status() == QWebEngineLoadingInfo::LoadStoppedStatus)
        return;
    if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
        Insert();
    else
        Finish(false, QStringLiteral("The preview page could not be loaded"));
}

void TPreviewBrowser::Insert() {
    const QString sFunction = ResourceText(QStringLiteral(":/editor/PreviewInsert.js"));
    if (sFunction.isEmpty()) {
        Finish(false, QStringLiteral("The insertion script is missing"));
        return;
    }
    State = CState::stInserting;
    Timeout.start(iScriptTimeoutMs);
    const int iThisJob = iJob;
    RunScript(sFunction + u'(' + ScriptStringLiteral(sInsertHtml) + u')', [this, iThisJob](const QVariant& count) {
        if (iThisJob != iJob || State != CState::stInserting)
            return;
        // The function answers the number of scripts it put in; anything else
        // means it failed in the page.
        if (count.isValid())
            AwaitScripts(iThisJob);
        else
            Finish(false, QStringLiteral("The preview text could not be inserted"));
    });
}

void TPreviewBrowser::AwaitScripts(int iThisJob) {
    RunScript(QStringLiteral("window.brisolaPreviewInserted === true"), [this, iThisJob](const QVariant& done) {
        if (iThisJob != iJob || State != CState::stInserting)
            return;
        if (done.toBool())
            Finish(true);
        else
            QTimer::singleShot(iScriptPollMs, this, [this, iThisJob] { AwaitScripts(iThisJob); });
    });
}

void TPreviewBrowser::Finish(bool bOk, const QString& sError) {
    Timeout.stop();
    State = CState::stIdle;
    sLastError = sError;
    emit Shown(bOk);
}

void TPreviewBrowser::RunScript(const QString& sScript, const std::function<void(const QVariant&)>& answer) {
    PreparePage();
    const QPointer<TPreviewBrowser> self(this);
    oView->page()->runJavaScript(sScript, [self, answer](const QVariant& value) {
        if (self)
            answer(value);
    });
}

quintptr TPreviewBrowser::WindowHandle() const {
    return quintptr(oView->effectiveWinId());
}
