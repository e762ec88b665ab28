#include "TProjectCommands.h"

#include "MultiPopupRules.h"
#include "ProjectFiles.h"
#include "StringUtils.h"
#include "TEditableFilePages.h"
#include "TEditorServices.h"
#include "TFileListForm.h"
#include "TFileListHost.h"
#include "TLog.h"
#include "TProfileFile.h"
#include "TProjectDocument.h"
#include "TextFile.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>

#include <functional>

TProjectCommands::TProjectCommands(TProjectDocument& document, IEditorServices& services, IProjectWindow& window,
                                   QWidget* parent, TEditableFilePages& pages, TAppSettings& settings)
    : Document(document), Services(services), Window(window), Parent(parent), Pages(pages), Settings(settings),
      FileListHost(std::make_unique<TFileListHost>(services, parent, pages, window.Log(),
                                                   [&window](const QString& sText) { window.Status(sText); })),
      FileListForm(new TFileListForm(*FileListHost, parent)) {}

TProjectCommands::~TProjectCommands() = default;

void TProjectCommands::ConnectActions(const TProjectActions& actions) {
    const std::pair<QAction*, std::function<void()>> commands[] = {
        {actions.NewProject, [this] { NewProject(); }},
        {actions.OpenProject, [this] { OpenProject(); }},
        {actions.Save, [this] { Save(); }},
        {actions.SaveAs, [this] { SaveAs(); }},
        {actions.SaveTemplate, [this] { SaveTemplate(); }},
        {actions.AddFiles, [this] { AddFilesToProject(); }},
        {actions.LoadExternalHTML, [this] { LoadExternalHTMLFile(); }},
    };
    for (const auto& [action, command] : commands) {
        QObject::connect(action, &QAction::triggered, action, command);
        action->setEnabled(true);
    }
}

// Every error box also writes its text to the session log.
void TProjectCommands::ShowError(const QString& sText) {
    Window.Log().Add(sText);
    Services.Ask(Parent, CMessageKind::mkError, sText, QMessageBox::Ok);
}

bool TProjectCommands::Ask(const QString& sQuestion) {
    return Services.Ask(Parent, CMessageKind::mkConfirmation, sQuestion, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool TProjectCommands::Save() {
    bProjectSaveSuccess = false;
    const TZEPProject& project = Document.Project;
    // After a failed load the name is a folder, which is no project to write to.
    if (bNoProjectLoaded || !QFileInfo::exists(project.sFullProjectName) || project.bTemplate == 1)
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
    if (!SaveEditableFiles())
        return false;
    Saved();
    return true;
}

// Every editable page is written, changed or not, so the files match the project.
bool TProjectCommands::SaveEditableFiles() {
    for (const QString& sFile : Document.EditableFiles) {
        if (!Pages.SaveEditableFile(sFile, true)) {
            ShowError(Pages.GetLastError());
            return false;
        }
    }
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

QString TProjectCommands::ChooseProjectFile(const QString& sCaption, const QString& sStart) {
    return Services.ChooseOpenFile(Parent, {sCaption, sStart, sProjectFilter, QStringLiteral("zrj")});
}

bool TProjectCommands::MayWriteTo(const QString& sPath) {
    const QString sFolder = QDir::cleanPath(QFileInfo(sPath).absolutePath());
    if (sFolder.compare(QDir::cleanPath(Window.BaseTemplatePath()), Qt::CaseInsensitive) == 0) {
        ShowError(QStringLiteral("Project can not be saved in Template directory"));
        return false;
    }
    return !QFileInfo::exists(sPath) ||
           Ask(QStringLiteral("File ") + Bracketed(sPath) + QStringLiteral(" already exists - Overwrite?"));
}

bool TProjectCommands::SaveAs() {
    bProjectSaveSuccess = false;
    const QString sPath = ChooseSaveFile();
    // A refused file never becomes the project's name, so no later Save writes to it.
    if (sPath.isEmpty() || !MayWriteTo(sPath))
        return false;
    Window.UpdateProjectFromDisplay();
    if (!Document.SaveAs(sPath)) {
        ShowError(Document.GetLastError());
        Window.Log().Add(QStringLiteral("Error saving project ") + Bracketed(sPath));
        return false;
    }
    if (!SaveEditableFiles())
        return false;
    Saved();
    if (!LoadProject(false)) {
        LoadFailed(QStringLiteral("Error loading project ") + Bracketed(sPath), QCoreApplication::applicationDirPath());
        return false;
    }
    Window.SetProjectTitle();
    bProjectSaveSuccess = true;
    return true;
}

void TProjectCommands::SaveTemplate() {
    const QString sPath = Document.Project.sFullProjectName;
    if (Services.Ask(Parent, CMessageKind::mkConfirmation,
                     QStringLiteral("Saving this Template will overwrite the existing version.\r\nAre you sure you "
                                    "wish to continue?"),
                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (!QFileInfo::exists(sPath)) {
        Services.Ask(Parent, CMessageKind::mkError, QStringLiteral("Cannot find existing template ") + Bracketed(sPath),
                     QMessageBox::Cancel);
        return;
    }
    if (!SaveProject(true)) {
        Services.Ask(Parent, CMessageKind::mkError, QStringLiteral("Error saving template"), QMessageBox::Cancel);
        return;
    }
    // The save writes every project as no template; this file stays one.
    TProfileFile projectFile;
    if (!projectFile.Open(sPath))
        return;
    projectFile.WriteInteger(QStringLiteral("SYSTEM"), QStringLiteral("Template"), 1);
    if (!projectFile.UpdateFile())
        return;
    Services.Ask(Parent, CMessageKind::mkInformation, QStringLiteral("Template saved"), QMessageBox::Ok);
    Window.SetProjectTitle();
}

bool TProjectCommands::CloseQuery() {
    if (!Window.IsEdited())
        return true;
    const QString sQuestion = QStringLiteral("Project ") + Bracketed(ProjectStem(Document.Project.sFullProjectName)) +
                              QStringLiteral(" has been edited - Do you wish to save changes?");
    const auto answer = Services.Ask(Parent, CMessageKind::mkConfirmation, sQuestion,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    // A save that was cancelled or failed keeps the window open: closing
    // then would lose the changes the user just asked to keep.
    if (answer == QMessageBox::Yes)
        return Save();
    return answer == QMessageBox::No;
}

void TProjectCommands::AddFilesToProject() {
    TZEPInstance* instance = Window.CurrentInstance();
    TDocumentSnapshot before = Window.SnapshotForChange();
    FileListForm->Prepare(Document.EditableFiles, instance, Document.Project.InstanceList.Count(),
                          Document.Project.sLoadedProjectPath);
    if (Services.RunModal(*FileListForm) != QDialog::Accepted)
        return;
    Window.RecordChange(QStringLiteral("Change Files"), std::move(before));
    Window.Log().Add(QStringLiteral("Files added or removed"));
    if (instance != nullptr)
        Window.RefreshSelectedInstance();
}

void TProjectCommands::LoadExternalHTMLFile() {
    TZEPInstance* instance = Window.CurrentInstance();
    if (instance == nullptr)
        return;
    const QString sFile = Services.ChooseOpenFile(
        Parent, {QStringLiteral("Load external HTML file"), ProjectDirectory(Document.Project.sFullProjectName),
                 QStringLiteral("HTML Files|*.htm;*.html|All Files|*.*"), QString()});
    if (sFile.isEmpty())
        return;
    if (Window.IsEdited() && !Ask(QStringLiteral("The project has been edited.\r\nDo you wish to replace the popup's "
                                                 "HTML with the content of file ") +
                                  Bracketed(sFile) + QStringLiteral("?")))
        return;
    QStringList lines;
    if (!ReadTextLines(sFile, lines)) {
        ShowError(QStringLiteral("Unable to read file ") + Bracketed(sFile));
        return;
    }
    Window.UpdateProjectFromDisplay();
    TDocumentSnapshot before = Window.SnapshotForChange();
    instance->HTMLFile = lines;
    Window.Log().Add(QStringLiteral("Loaded external HTML file ") + Bracketed(sFile));
    Window.RecordChange(QStringLiteral("Change HTML"), std::move(before));
    Window.RefreshSelectedInstance();
}
