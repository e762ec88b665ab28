#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

class QWebEngineView;
class QWidget;

// The embedded browser of the preview: loads a local page, waits for its
// document while the user interface keeps running, and inserts HTML at the
// start of the body with its scripts running in document order. Every wait
// ends at its timeout, so a page that never answers cannot hang the editor.
class TPreviewBrowser : public QObject {
    Q_OBJECT
public:
    static constexpr int iLoadTimeoutMs = 20000;
    static constexpr int iScriptTimeoutMs = 10000;

    // The view is created as a child of parent.
    explicit TPreviewBrowser(QWidget* parent);

    QWebEngineView* View() const { return oView; }

    // Starts loading the local file.
    void Navigate(const QString& sFile);
    // Lets events run until the page navigated to has loaded completely; false
    // when the load failed or did not end within the timeout.
    bool WaitForDocument(int iTimeoutMs = iLoadTimeoutMs);
    // Inserts the HTML at the beginning of the document body ("AfterBegin");
    // its script elements are re-created so that they run, one after the other.
    bool InsertAfterBegin(const QString& sHtml, int iTimeoutMs = iScriptTimeoutMs);
    // Runs the script in the page and answers its value; false on timeout.
    bool RunScript(const QString& sScript, QVariant& result, int iTimeoutMs = iScriptTimeoutMs);

    // The native window in which the browser's content is shown; 0 while it
    // has none.
    quintptr WindowHandle() const;
    QString GetLastError() const { return sLastError; }

signals:
    // A load ended or a script answered: a waiting caller checks its condition.
    void Progressed();

private:
    // The page, and with it the browser engine, is set up at the first
    // navigation, so a window that never previews does not start the engine.
    void PreparePage();
    // Runs events until done() holds or the time is up; also ends when the
    // application quits meanwhile.
    bool WaitUntil(const std::function<bool()>& done, int iTimeoutMs);

    QWebEngineView* oView;
    bool bPagePrepared = false;
    bool bLoadStarted = false;
    bool bLoadFinished = false;
    bool bLoadSucceeded = false;
    QString sLastError;
};
