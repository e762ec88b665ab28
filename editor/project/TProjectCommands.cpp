#include "TProjectCommands.h"

#include "ProjectFiles.h"
#include "TEditorServices.h"
#include "TLog.h"
#include "TProjectDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString sProjectFilter = QStringLiteral("ZEP Project Files|*.zrj|All FIles|*.*");

QString Bracketed(const QString& sPath) {
    return u'<' + sPath + u'>';
}

} // namespace

TProjectCommands::TProjectCommands(TProjectDocument& document, IEditorServices& services, IProjectWindow& window,
                                   QWidget* parent)
    : Document(document), Services(services), Window(window), Parent(parent) {}

void TProjectCommands::ShowError(const QString& sText) {
    Services.Ask(Parent, CMessageKind::mkError, sText, QMessageBox::Ok);
}

bool TProjectCommands::Save() {
    bProjectSaveSuccess = false;
    const TZEPProject& project = Document.Project;
    if (!QFileInfo::exists(project.sFullProjectName) || project.bTemplate == 1)
        return SaveAs();
    if (!SaveProject(true))
        return false;
    Window.SetProjectTitle();
    bProjectSaveSuccess = true;
    return true;
}

bool TProjectCommands::SaveProject(bool bUpdateFromCurrentDisplay) {
    if (bUpdateFromCurrentDisplay)
        Window.UpdateProjectFromDisplay();
    if (!Document.Save()) {
        ShowError(Document.GetLastError());
        return false;
    }
    Saved();
    return true;
}

void TProjectCommands::Saved() {
    Window.ProjectSaved();
    Window.Status(QStringLiteral("Saved Project ") + Bracketed(Document.Project.sFullProjectName));
}

QString TProjectCommands::ChooseSaveFile() {
    if (sSaveFolder.isEmpty())
        sSaveFolder = Window.BaseLocation();
    const QString sCaption = Document.Project.bTemplate == 1
                                 ? QStringLiteral("Save project Template as project file...")
                                 : QStringLiteral("Save project as...");
    const QString sPath =
        Services.ChooseSaveFile(Parent, {sCaption, sSaveFolder, sProjectFilter, QStringLiteral("zrj")});
    if (!sPath.isEmpty())
        sSaveFolder = QFileInfo(sPath).absolutePath();
    return sPath;
}

bool TProjectCommands::MayWriteTo(const QString& sPath) {
    const QString sFolder = QDir::cleanPath(QFileInfo(sPath).absolutePath());
    if (sFolder.compare(QDir::cleanPath(Window.BaseTemplatePath()), Qt::CaseInsensitive) == 0) {
        ShowError(QStringLiteral("Project can not be saved in Template directory"));
        return false;
    }
    if (!QFileInfo::exists(sPath))
        return true;
    const QString sQuestion =
        QStringLiteral("File ") + Bracketed(sPath) + QStringLiteral(" already exists - Overwrite?");
    return Services.Ask(Parent, CMessageKind::mkConfirmation, sQuestion, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool TProjectCommands::SaveAs() {
    bProjectSaveSuccess = false;
    const QString sPath = ChooseSaveFile();
    if (sPath.isEmpty() || !MayWriteTo(sPath))
        return false;
    Window.UpdateProjectFromDisplay();
    if (!Document.SaveAs(sPath)) {
        ShowError(Document.GetLastError());
        Window.Log().Add(QStringLiteral("Error saving project ") + Bracketed(sPath));
        return false;
    }
    Saved();
    if (!Window.LoadProject(false)) {
        Window.Status(QStringLiteral("Error loading project ") + Bracketed(sPath));
        Window.SetNoProjectTitle();
        Document.Project.sFullProjectName = QCoreApplication::applicationDirPath();
        return false;
    }
    Window.SetProjectTitle();
    bProjectSaveSuccess = true;
    return true;
}

bool TProjectCommands::CloseQuery() {
    if (!Window.IsEdited())
        return true;
    const QString sQuestion = QStringLiteral("Project ") + Bracketed(ProjectStem(Document.Project.sFullProjectName)) +
                              QStringLiteral(" has been edited - Do you wish to save changes?");
    const auto answer = Services.Ask(Parent, CMessageKind::mkConfirmation, sQuestion,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Yes)
        Save();
    return answer == QMessageBox::Yes || answer == QMessageBox::No;
}
