#pragma once

#include <QString>

class TLog;
class TPreviewBrowser;
class TScriptForm;
class TZEPInstance;
class TZEPProject;

// Builds the preview of one instance and shows it in the embedded browser:
// the host page is loaded, then the popup's page inserted at its start.
class TPreviewGenerator {
public:
    enum CPreviewOutcome { poShown, poFailed, poNoPage };

    TPreviewGenerator(TPreviewBrowser& browser, TScriptForm& scripts, TLog& log);

    // poNoPage when no preview page came about (too short a template, an
    // error already reported); poFailed when the browser did not show it,
    // with the reason logged.
    CPreviewOutcome Show(TZEPProject& project, TZEPInstance& instance, const QString& sBaseTemplatePath);

private:
    TPreviewBrowser& Browser;
    TScriptForm& Scripts;
    TLog& Log;
};
