#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <QVariant>

#include <functional>

class QWebEngineLoadingInfo;
class QWebEngineView;
class QWidget;

// The embedded browser of the preview: loads a page and inserts HTML at the
// start of its body with the inserted scripts running in document order. It
// never waits: Show starts the work and Shown reports its end, each step
// bounded by a timeout, so a page that never answers cannot hold the editor.
class TPreviewBrowser : public QObject {
    Q_OBJECT
public:
    static constexpr int iLoadTimeoutMs = 20000;
    static constexpr int iScriptTimeoutMs = 10000;
    static constexpr int iScriptPollMs = 10;

    // The view is created as a child of parent.
    explicit TPreviewBrowser(QWidget* parent);

    QWebEngineView* View() const { return oView; }

    // The visitor's world that every page loaded from now on starts in,
    // before any of its scripts: clock, cookies, random draws, touch.
    void SetVisitorSeed(const QJsonObject& seed);

    // Loads the page, then inserts the HTML at the beginning of its body
    // ("AfterBegin"). A call while an earlier one runs replaces it: only the
    // latest is reported.
    void Show(const QUrl& page, const QString& sHtml);
    bool IsBusy() const { return State != CState::stIdle; }
    // Runs the script in the page; its value goes to answer when it comes
    // (never after the browser has gone).
    void RunScript(const QString& sScript, const std::function<void(const QVariant&)>& answer);

    // The native window in which the browser's content is shown; 0 while it
    // has none.
    quintptr WindowHandle() const;
    // Why the last Show failed.
    QString GetLastError() const { return sLastError; }

signals:
    // The page of the last Show is loaded, the HTML inserted and its scripts
    // run (bOk), or it failed, with the reason in GetLastError.
    void Shown(bool bOk);

private:
    enum class CState { stIdle, stLoading, stInserting };

    // The browser engine is set up at the first page, so a window that never
    // previews does not start it.
    void PreparePage();
    void InstallVisitor();
    void LoadingChanged(const QWebEngineLoadingInfo& info);
    void Insert();
    // Asks the page until the inserted scripts have all run.
    void AwaitScripts(int iThisJob);
    void Finish(bool bOk, const QString& sError = QString());

    QWebEngineView* oView;
    QJsonObject VisitorSeed;
    bool bPagePrepared = false;
    CState State = CState::stIdle;
    int iJob = 0; // counts the Show calls; an answer for an earlier one is dropped
    QUrl PageUrl;
    QString sInsertHtml;
    QTimer Timeout;
    QString sLastError;
};
