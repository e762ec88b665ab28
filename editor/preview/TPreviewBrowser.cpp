#include "TPreviewBrowser.h"

#include "PreviewEngineFlags.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

#include <memory>
#include <optional>

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

TPreviewBrowser::TPreviewBrowser(QWidget* parent) : QObject(parent), oView(CreateView(parent)) {
    oView->setObjectName(QStringLiteral("PreviewBrowser"));
    oView->setContextMenuPolicy(Qt::NoContextMenu);
}

void TPreviewBrowser::PreparePage() {
    if (bPagePrepared)
        return;
    bPagePrepared = true;
    QWebEnginePage* page = oView->page();
    QWebEngineScript cookies;
    cookies.setName(QStringLiteral("PreviewCookies"));
    cookies.setInjectionPoint(QWebEngineScript::DocumentCreation);
    cookies.setWorldId(QWebEngineScript::MainWorld);
    cookies.setSourceCode(ResourceText(QStringLiteral(":/editor/PreviewCookies.js")));
    page->scripts().insert(cookies);
    connect(page, &QWebEnginePage::loadStarted, this, [this] { bLoadStarted = true; });
    connect(page, &QWebEnginePage::loadFinished, this, [this](bool bOk) {
        // A load that ends before this navigation started belongs to an earlier one.
        if (!bLoadStarted)
            return;
        bLoadFinished = true;
        bLoadSucceeded = bOk;
        emit Progressed();
    });
}

void TPreviewBrowser::Navigate(const QString& sFile) {
    PreparePage();
    bLoadStarted = false;
    bLoadFinished = false;
    bLoadSucceeded = false;
    oView->load(QUrl::fromLocalFile(sFile));
}

bool TPreviewBrowser::WaitForDocument(int iTimeoutMs) {
    if (!WaitUntil([this] { return bLoadFinished; }, iTimeoutMs)) {
        sLastError = QStringLiteral("The preview page did not load in time");
        return false;
    }
    if (!bLoadSucceeded) {
        sLastError = QStringLiteral("The preview page could not be loaded");
        return false;
    }
    return true;
}

bool TPreviewBrowser::InsertAfterBegin(const QString& sHtml, int iTimeoutMs) {
    const QString sFunction = ResourceText(QStringLiteral(":/editor/PreviewInsert.js"));
    if (sFunction.isEmpty()) {
        sLastError = QStringLiteral("The insertion script is missing");
        return false;
    }
    QVariant scriptCount;
    if (!RunScript(sFunction + u'(' + ScriptStringLiteral(sHtml) + u')', scriptCount, iTimeoutMs))
        return false;
    // The function answers the number of scripts it put in; anything else
    // means it failed in the page.
    if (!scriptCount.isValid()) {
        sLastError = QStringLiteral("The preview text could not be inserted");
        return false;
    }
    return true;
}

bool TPreviewBrowser::RunScript(const QString& sScript, QVariant& result, int iTimeoutMs) {
    // The answer may come after the wait has given up, or after this object
    // has gone; it then lands in the shared slot and nowhere else.
    auto answer = std::make_shared<std::optional<QVariant>>();
    const QPointer<TPreviewBrowser> self(this);
    oView->page()->runJavaScript(sScript, [answer, self](const QVariant& value) {
        *answer = value;
        if (self)
            emit self->Progressed();
    });
    if (!WaitUntil([&answer] { return answer->has_value(); }, iTimeoutMs)) {
        sLastError = QStringLiteral("The preview page did not answer in time");
        return false;
    }
    result = **answer;
    return true;
}

quintptr TPreviewBrowser::WindowHandle() const {
    return quintptr(oView->effectiveWinId());
}

bool TPreviewBrowser::WaitUntil(const std::function<bool()>& done, int iTimeoutMs) {
    const QDeadlineTimer deadline(iTimeoutMs);
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool bWoken = false;
    const auto wake = [&bWoken, &loop] {
        bWoken = true;
        loop.quit();
    };
    connect(&timer, &QTimer::timeout, &loop, wake);
    connect(this, &TPreviewBrowser::Progressed, &loop, wake);
    while (!done() && !deadline.hasExpired()) {
        bWoken = false;
        timer.start(int(qMax<qint64>(deadline.remainingTime(), 1)));
        loop.exec();
        // Neither an answer nor the timer: the application is quitting and
        // every event loop returns at once.
        if (!bWoken)
            break;
    }
    return done();
}
