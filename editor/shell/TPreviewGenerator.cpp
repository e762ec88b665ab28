#include "TPreviewGenerator.h"

#include "PreviewPages.h"
#include "TEditableFilePages.h"
#include "TLog.h"
#include "TPreviewBrowser.h"
#include "TScopedFlag.h"
#include "TScriptForm.h"

#include <QTimer>

namespace {

// Code generator reports go to the session log and, for errors, to an error box.
class TLogReport : public ICodegenReport {
public:
    explicit TLogReport(TLog& log) : oLog(log) {}
    void Log(const QString& sText) override { oLog.Add(sText); }
    void ShowError(const QString& sText) override { oLog.Error(sText); }

private:
    TLog& oLog;
};

} // namespace

TPreviewGenerator::TPreviewGenerator(TPreviewBrowser& browser, TScriptForm& scripts, TLog& log, TWindow window)
    : Browser(browser), Scripts(scripts), Log(log), Window(std::move(window)) {}

bool TPreviewGenerator::Generate(TZEPProject& project, TZEPInstance& instance, const QString& sBaseTemplatePath) {
    if (bGenerating) {
        bRequested = true;
        return false;
    }
    const TScopedFlag generating(bGenerating);
    Window.Status(QStringLiteral("Generating preview..."));
    Window.Pages.BackupEditableFiles();
    const CPreviewOutcome outcome = Show(project, instance, sBaseTemplatePath);
    Window.Pages.RestoreEditableFiles();
    if (outcome == poNoPage)
        return false;
    Window.Status(outcome == poShown ? QStringLiteral("Preview generated")
                                     : QStringLiteral("Error generating preview"));
    if (bRequested) {
        bRequested = false;
        QTimer::singleShot(0, &Browser, Window.Refresh);
    }
    return true;
}

TPreviewGenerator::CPreviewOutcome TPreviewGenerator::Show(TZEPProject& project, TZEPInstance& instance,
                                                           const QString& sBaseTemplatePath) {
    TLogReport report(Log);
    const TScriptContext context = MakeScriptContext(project, Scripts, sBaseTemplatePath, report);
    TPreviewText text;
    QString sHostPage;
    QString sInternalPage;
    const bool bPrepared = PreparePreview(context, instance, text, sHostPage, sInternalPage);
    if (!bPrepared && sInternalPage.isEmpty())
        return poNoPage;
    if (bPrepared) {
        Browser.Navigate(sHostPage);
        if (Browser.WaitForDocument() && Browser.InsertAfterBegin(sInternalPage))
            return poShown;
        Log.Add(Browser.GetLastError());
    }
    return poFailed;
}
