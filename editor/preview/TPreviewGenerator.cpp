#include "TPreviewGenerator.h"

#include "PreviewPages.h"
#include "ProjectFiles.h"
#include "TLog.h"
#include "TPreviewBrowser.h"
#include "TScriptForm.h"
#include "TZEPProject.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

// An empty folder of that name in the private folder; what an earlier preview left there goes.
QString FreshFolder(const QString& sPrivate, const QString& sName) {
    QDir folder(sPrivate + u'/' + sName);
    folder.removeRecursively();
    QDir(sPrivate).mkpath(sName);
    return folder.path() + u'/';
}

bool WriteUnsavedTexts(const QString& sFolder, const QMap<QString, QString>& texts) {
    bool bWritten = true;
    for (auto text = texts.cbegin(); text != texts.cend(); ++text) {
        const QString sName = QFileInfo(text.key()).fileName();
        bWritten = !sName.isEmpty() && WriteTextLines(sFolder + sName, SplitTextLines(text.value())) && bWritten;
    }
    return bWritten;
}

// The host page declares a device-width viewport, as a site's page for phones
// does, so that a phone lays it out at its own width.
bool DeclareDeviceWidth(const QString& sHostPage) {
    QFile file(sHostPage);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray text = file.readAll();
    const qsizetype iHead = text.indexOf("<head>");
    if (iHead < 0)
        return true;
    text.insert(iHead + 6, "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\" />");
    return file.seek(0) && file.write(text) == text.size();
}

} // namespace

TPreviewGenerator::TPreviewGenerator(TPreviewBrowser& browser, TScriptForm& scripts, TLog& log,
                                     QString sBaseTemplatePath, QObject* parent)
    : QObject(parent), Browser(browser), Scripts(scripts), Log(log), sBaseTemplatePath(std::move(sBaseTemplatePath)) {
    setObjectName(QStringLiteral("PreviewGenerator"));
    connect(&Browser, &TPreviewBrowser::Shown, this, &TPreviewGenerator::Shown);
}

bool TPreviewGenerator::Render(const TPreviewRequest& request) {
    // The folder not in use by the page the browser shows or is loading.
    const QString sSite = sShownSite == QLatin1String("a") ? QStringLiteral("b") : QStringLiteral("a");
    TJob job;
    bool bWritten = false;
    if (!Prepare(request, sSite, job, bWritten))
        return false;
    if (!bWritten) {
        emit Status(QStringLiteral("Generating preview..."));
        emit Status(QStringLiteral("Error generating preview"));
        return true;
    }
    Last = job;
    LastPopup = PreviewPopupOf(request.Instance);
    Queue(job);
    return true;
}

bool TPreviewGenerator::Replay() {
    if (Last.Page.isEmpty())
        return false;
    Last.Page.setQuery(QStringLiteral("preview=") + QString::number(++iRender));
    Queue(Last);
    return true;
}

void TPreviewGenerator::Queue(TJob job) {
    if (Browser.IsBusy()) {
        bWaiting = true;
        Waiting = std::move(job);
    } else {
        Start(job);
    }
}

bool TPreviewGenerator::Prepare(const TPreviewRequest& request, const QString& sSite, TJob& job, bool& bWritten) {
    TLogReport report(Log);
    TScriptContext context = MakeScriptContext(request.Project, Scripts, sBaseTemplatePath, report);
    Server.SetSite(sSite, {Private.path() + u'/' + sSite, context.sProjectFolder});
    context.sProjectFolder = FreshFolder(Private.path(), sSite);
    TPreviewText text;
    QString sHostPage;
    bWritten = Private.isValid() && WriteUnsavedTexts(context.sProjectFolder, request.UnsavedTexts);
    bWritten = PreparePreview(context, request.Instance, text, sHostPage, job.sHtml) && bWritten;
    if (!bWritten && job.sHtml.isEmpty())
        return false;
    bWritten = DeclareDeviceWidth(sHostPage) && bWritten;
    job.sSite = sSite;
    job.Page = Server.Url(sSite, QFileInfo(sHostPage).fileName());
    job.Page.setQuery(QStringLiteral("preview=") + QString::number(++iRender));
    return true;
}

void TPreviewGenerator::Start(const TJob& job) {
    sShownSite = job.sSite;
    emit Status(QStringLiteral("Generating preview..."));
    Browser.Show(job.Page, job.sHtml);
}

void TPreviewGenerator::Shown(bool bOk) {
    if (!bOk)
        Log.Add(Browser.GetLastError());
    emit Status(bOk ? QStringLiteral("Preview generated") : QStringLiteral("Error generating preview"));
    emit Rendered(bOk);
    if (bWaiting) {
        bWaiting = false;
        Start(Waiting);
    }
}
