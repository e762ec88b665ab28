#pragma once

#include <QString>

#include <functional>

class TEditableFilePages;
class TLog;
class TPreviewBrowser;
class TScriptForm;
class TZEPInstance;
class TZEPProject;

// Builds the preview of one instance and shows it in the embedded browser:
// the host page is loaded, then the popup's page inserted at its start.
class TPreviewGenerator {
public:
    struct TWindow {
        TEditableFilePages& Pages;                  // their unsaved text is previewed
        std::function<void(const QString&)> Status; // the status bar
        std::function<void()> Refresh;              // previews the current instance again
    };

    TPreviewGenerator(TPreviewBrowser& browser, TScriptForm& scripts, TLog& log, TWindow window);

    // Shows the instance with the editable files' unsaved text; the status bar
    // reports the outcome. Events run while the browser loads: a request
    // arriving then is served by Refresh once this preview has finished.
    // False while the preview stays pending (busy, or no preview page came
    // about: that stops silently).
    bool Generate(TZEPProject& project, TZEPInstance& instance, const QString& sBaseTemplatePath);

private:
    enum CPreviewOutcome { poShown, poFailed, poNoPage };

    // poNoPage when no preview page came about (too short a template, an
    // error already reported); poFailed when the browser did not show it,
    // with the reason logged.
    CPreviewOutcome Show(TZEPProject& project, TZEPInstance& instance, const QString& sBaseTemplatePath);

    TPreviewBrowser& Browser;
    TScriptForm& Scripts;
    TLog& Log;
    TWindow Window;
    bool bGenerating = false; // a preview is waiting for the browser
    bool bRequested = false;  // asked for again while it waited
};
