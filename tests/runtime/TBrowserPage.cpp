#include "TBrowserPage.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QMetaEnum>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

#include <memory>

// Records console errors so tests can fail on them.
class TRecordingPage : public QWebEnginePage {
public:
    TRecordingPage(QWebEngineProfile* oProfile, QObject* oParent) : QWebEnginePage(oProfile, oParent) {}
    QStringList ConsoleErrors;

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& sMessage, int iLine,
                                  const QString& sSource) override {
        if (level == ErrorMessageLevel) {
            ConsoleErrors << sSource + QLatin1Char(':') + QString::number(iLine) + QStringLiteral(": ") + sMessage;
        }
    }
};

namespace {

void CollectAccessible(QAccessibleInterface* oNode, QStringList& nodes) {
    if (!oNode || !oNode->isValid()) {
        return;
    }
    QString sLine = QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(oNode->role())) +
                    QStringLiteral(": ") + oNode->text(QAccessible::Name);
    const QString sDescription = oNode->text(QAccessible::Description);
    if (!sDescription.isEmpty()) {
        sLine += QStringLiteral(" / ") + sDescription;
    }
    nodes << sLine;
    for (int i = 0; i < oNode->childCount(); ++i) {
        CollectAccessible(oNode->child(i), nodes);
    }
}

QString ReadFakeClock() {
    QFile file(QStringLiteral(":/tests/runtime/FakeClock.js"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

} // namespace

TBrowserPage::TBrowserPage(bool bFakeClock, QSize viewport) : bFakeClock(bFakeClock) {
    oProfile = std::make_unique<QWebEngineProfile>();
    oPage = std::make_unique<TRecordingPage>(oProfile.get(), nullptr);
    oView = std::make_unique<QWebEngineView>();
    oView->setPage(oPage.get());
    if (bFakeClock) {
        QWebEngineScript clock;
        clock.setName(QStringLiteral("fake-clock"));
        clock.setSourceCode(ReadFakeClock());
        clock.setInjectionPoint(QWebEngineScript::DocumentCreation);
        clock.setWorldId(QWebEngineScript::MainWorld);
        clock.setRunsOnSubFrames(false);
        oProfile->scripts()->insert(clock);
    }
    oView->resize(viewport);
    oView->show();
}

TBrowserPage::~TBrowserPage() = default;

bool TBrowserPage::WaitForLoad(int iTimeoutMs) {
    QEventLoop loop;
    bool bOk = false;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(oPage.get(), &QWebEnginePage::loadFinished, &loop, [&](bool bLoaded) {
        bOk = bLoaded;
        loop.quit();
    });
    timer.start(iTimeoutMs);
    loop.exec();
    return bOk;
}

bool TBrowserPage::Load(const QUrl& url, int iTimeoutMs) {
    oPage->ConsoleErrors.clear();
    oPage->load(url);
    return WaitForLoad(iTimeoutMs);
}

bool TBrowserPage::LoadFile(const QString& sPath, int iTimeoutMs) {
    return Load(QUrl::fromLocalFile(sPath), iTimeoutMs);
}

bool TBrowserPage::LoadHtml(const QString& sHtml, const QUrl& baseUrl, int iTimeoutMs) {
    oPage->ConsoleErrors.clear();
    oPage->setHtml(sHtml, baseUrl);
    return WaitForLoad(iTimeoutMs);
}

QVariant TBrowserPage::Run(const QString& sScript, int iTimeoutMs) {
    // The callback may come after a timeout, so its state outlives this call.
    struct TResult {
        QVariant value;
        bool bDone = false;
        QEventLoop loop;
    };
    auto result = std::make_shared<TResult>();
    oPage->runJavaScript(sScript, [result](const QVariant& value) {
        result->value = value;
        result->bDone = true;
        result->loop.quit();
    });
    if (!result->bDone) {
        QTimer::singleShot(iTimeoutMs, &result->loop, &QEventLoop::quit);
        result->loop.exec();
    }
    return result->value;
}

bool TBrowserPage::WaitFor(const QString& sCondition, int iTimeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < iTimeoutMs) {
        if (Run(sCondition).toBool()) {
            return true;
        }
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return false;
}

void TBrowserPage::Advance(int iMs) {
    Run(QStringLiteral("fakeClock.advance(%1)").arg(iMs));
}

bool TBrowserPage::PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    const int iBefore = Run(QStringLiteral("if (window.keyUps === undefined) { window.keyUps = 0;"
                                           " document.addEventListener('keyup', function () { keyUps++; }, true); }"
                                           " keyUps"))
                            .toInt();
    const QString sText = key == Qt::Key_Tab      ? QStringLiteral("\t")
                          : key == Qt::Key_Return ? QStringLiteral("\r")
                          : key == Qt::Key_Space  ? QStringLiteral(" ")
                          : key == Qt::Key_Escape ? QString(QChar(27))
                                                  : QString();
    QWidget* oTarget = oView->focusProxy() ? oView->focusProxy() : oView.get();
    // Shortly after a script moved the focus the engine may drop a key (it finds
    // no focused widget to forward it to); a dropped key never arrives later, so
    // it is sent again.
    for (int iAttempt = 0; iAttempt < 3; ++iAttempt) {
        QKeyEvent press(QEvent::KeyPress, key, modifiers, sText);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, sText);
        QCoreApplication::sendEvent(oTarget, &press);
        QCoreApplication::sendEvent(oTarget, &release);
        if (WaitFor(QStringLiteral("keyUps > %1").arg(iBefore), 1500)) {
            return true;
        }
    }
    return false;
}

QStringList TBrowserPage::Errors() {
    QStringList errors = oPage->ConsoleErrors;
    if (bFakeClock) {
        for (const QVariant& error : Run(QStringLiteral("window.fakeClock ? fakeClock.errors : []")).toList()) {
            errors << error.toString();
        }
    }
    return errors;
}

QStringList TBrowserPage::AccessibleNodes() {
    QStringList nodes;
    CollectAccessible(QAccessible::queryAccessibleInterface(oView.get()), nodes);
    return nodes;
}

bool TBrowserPage::WaitForAccessible(const QString& sNode, bool bPresent, int iTimeoutMs) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (AccessibleNodes().contains(sNode) != bPresent) {
        if (elapsed.elapsed() > iTimeoutMs) {
            return false;
        }
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

void TBrowserPage::ResizeViewport(QSize viewport) {
    oView->resize(viewport);
}

QWebEngineView& TBrowserPage::View() {
    return *oView;
}
