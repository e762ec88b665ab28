#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>

#include <memory>

class QWebEngineProfile;
class QWebEngineView;
class TRecordingPage;

// A real browser page for tests: a Qt WebEngine view on the offscreen
// platform with its own off-the-record profile (fresh cookies), loaded from a
// file or a string, with scripts run synchronously. With the fake clock, the
// test-only FakeClock.js runs before every page script and time only moves on
// through Advance. Programs using it take their main from tests/support/GuiTestMain.cpp
// (linking brisola_browser_test adds it), which creates the application.
class TBrowserPage {
public:
    explicit TBrowserPage(bool bFakeClock = true, QSize viewport = QSize(1000, 800));
    ~TBrowserPage();
    TBrowserPage(const TBrowserPage&) = delete;
    TBrowserPage& operator=(const TBrowserPage&) = delete;

    // Loads the address and waits for the load to finish; false on failure or timeout.
    bool Load(const QUrl& url, int iTimeoutMs = 20000);
    bool LoadFile(const QString& sPath, int iTimeoutMs = 20000);
    bool LoadHtml(const QString& sHtml, const QUrl& baseUrl, int iTimeoutMs = 20000);
    // Runs the script in the page and returns its value (invalid on timeout).
    QVariant Run(const QString& sScript, int iTimeoutMs = 10000);
    // Runs the script repeatedly until it answers true; false on timeout.
    bool WaitFor(const QString& sCondition, int iTimeoutMs);
    // Moves the fake clock on, running every timer that falls due.
    void Advance(int iMs);
    // Presses and releases a key in the engine as a visitor does (native key
    // events, not script events) and waits until the page has seen the release.
    bool PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The accessibility tree the engine offers assistive technology, one line
    // per node in tree order: "Role: name", plus " / description" when the node
    // has one (role names as in QAccessible::Role).
    QStringList AccessibleNodes();
    // Waits until the tree holds the line (bPresent) or no longer holds it.
    bool WaitForAccessible(const QString& sNode, bool bPresent = true, int iTimeoutMs = 5000);
    // Errors from the page's console and, with the fake clock, from timer callbacks.
    QStringList Errors();
    void ResizeViewport(QSize viewport);
    QWebEngineView& View();

private:
    bool WaitForLoad(int iTimeoutMs);
    // Declared in this order so that the view goes first and the profile last.
    std::unique_ptr<QWebEngineProfile> oProfile;
    std::unique_ptr<TRecordingPage> oPage;
    std::unique_ptr<QWebEngineView> oView;
    bool bFakeClock;
};
