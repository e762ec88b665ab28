#pragma once

#include "PreviewWhy.h"
#include "TPreviewServer.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

class TLog;
class TPreviewBrowser;
class TScriptForm;
class TZEPInstance;
class TZEPProject;

// What a preview shows: one popup of the project, with the unsaved texts of
// the editable file tabs in place of their saved files.
struct TPreviewRequest {
    TZEPProject& Project;
    TZEPInstance& Instance;
    QMap<QString, QString> UnsavedTexts; // file name without folder -> the tab's text
};

// Builds the preview of one popup and shows it in the embedded browser. The
// generated pages and scripts and the unsaved texts go into a private
// temporary folder, never into the project folder; the browser reads them
// through the preview server, with the project's own files behind them.
class TPreviewGenerator : public QObject {
    Q_OBJECT
public:
    TPreviewGenerator(TPreviewBrowser& browser, TScriptForm& scripts, TLog& log, QString sBaseTemplatePath,
                      QObject* parent = nullptr);

    // Builds the preview's files at once; the browser shows them as soon as it
    // is free (a request made meanwhile replaces an earlier waiting one) and
    // Rendered follows. False when no preview page came about (too short a
    // page template, already reported): nothing is shown and the status bar
    // is left as it is.
    bool Render(const TPreviewRequest& request);
    // Shows the last preview again as a new page view, from the files it
    // left; false when there is none yet.
    bool Replay();
    // The popup of the last preview (no uid before the first).
    const TPreviewPopup& Popup() const { return LastPopup; }

    // The private folder holding the generated files.
    QString Folder() const { return Private.path(); }

signals:
    // A text for the status bar: "Generating preview..." when the browser
    // starts on a preview, then "Preview generated" or "Error generating preview".
    void Status(const QString& sText);
    // The browser shows the latest preview (bShown), or could not.
    void Rendered(bool bShown);

private:
    // A preview ready for the browser: its host page and the text to insert.
    struct TJob {
        QString sSite;
        QUrl Page;
        QString sHtml;
    };

    // Writes the request's files into the site's folder; false when no page came about.
    bool Prepare(const TPreviewRequest& request, const QString& sSite, TJob& job, bool& bWritten);
    // Shows the job now, or once the browser is free.
    void Queue(TJob job);
    void Start(const TJob& job);
    void Shown(bool bOk);

    TPreviewBrowser& Browser;
    TScriptForm& Scripts;
    TLog& Log;
    QString sBaseTemplatePath;
    QTemporaryDir Private;
    TPreviewServer Server;
    // Two sites take turns, so a preview is never written into the folder the
    // browser is reading.
    QString sShownSite = QStringLiteral("b");
    int iRender = 0;
    bool bWaiting = false; // a job waits for the browser
    TJob Waiting;
    TJob Last; // the last job made, shown or waiting; no page before the first
    TPreviewPopup LastPopup;
};
