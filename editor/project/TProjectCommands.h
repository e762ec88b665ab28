#pragma once

#include "TRecentProjects.h"
#include "TSnapshotCommand.h"

#include <QString>
#include <QStringList>

#include <memory>

class IEditorServices;
class QAction;
class QWidget;
class TEditableFilePages;
class TFileListForm;
class TFileListHost;
class TLog;
class TProjectDocument;
class TZEPInstance;
struct TAppSettings;

// What the project commands need of the main window.
class IProjectWindow {
public:
    virtual ~IProjectWindow() = default;
    // Copies what the window shows (options, the selected instance) into the project.
    virtual void UpdateProjectFromDisplay() = 0;
    // Shows the project just loaded: its instance tabs with the first
    // selected, its options and the selected popup. The project is unchanged.
    virtual void ShowLoadedProject() = 0;
    // The project was written: no unsaved changes remain.
    virtual void ProjectSaved() = 0;
    // A copy of the project's state before a change the commands make.
    virtual TDocumentSnapshot SnapshotForChange() const = 0;
    // The commands changed the project since the snapshot: one step of the history.
    virtual void RecordChange(const QString& sStep, TDocumentSnapshot before) = 0;
    // Shows the selected popup in the editor again and previews it.
    virtual void RefreshSelectedInstance() = 0;
    // Previews the selected popup now, or at the window's first display.
    virtual void PreviewChange() = 0;
    // The record of the selected instance tab, or nullptr.
    virtual TZEPInstance* CurrentInstance() = 0;
    // The recent projects that the reopen menus offer, in order.
    virtual void ShowRecentProjects(const QStringList& entries) = 0;
    virtual void Status(const QString& sText) = 0;
    virtual void SetProjectTitle() = 0;
    virtual void SetNoProjectTitle() = 0;
    virtual bool IsEdited() const = 0;
    // The base folder of the options, where the save dialog starts at first.
    virtual QString BaseLocation() const = 0;
    // The folder of the templates that come with the program.
    virtual QString BaseTemplatePath() const = 0;
    virtual TLog& Log() = 0;
};

// The window's menu entries that run the project commands.
struct TProjectActions {
    QAction* NewProject;
    QAction* OpenProject;
    QAction* Save;
    QAction* SaveAs;
    QAction* SaveTemplate;
    QAction* AddFiles;
    QAction* LoadExternalHTML;
};

// The main window's commands that replace or write the project: New
// Project (from a template), Open Project, Reopen, Save, Save As, Save
// Template, the start-up load and the question asked when the window closes
// with unsaved changes; and the commands that change the project's files:
// "Add files to Project" and "Load external HTML file". Loading and saving
// keep the editable file pages and the recent projects in step.
class TProjectCommands {
public:
    TProjectCommands(TProjectDocument& document, IEditorServices& services, IProjectWindow& window, QWidget* parent,
                     TEditableFilePages& pages, TAppSettings& settings);
    ~TProjectCommands();

    // Each entry runs its command and is enabled.
    void ConnectActions(const TProjectActions& actions);

    // Loads the file named by the project's sFullProjectName into the
    // window; fails without a message when it is no project file.
    bool LoadProject(bool bTemplateRequired);
    // The project named as the only command-line parameter, or the start-up template.
    void StartUpLoad(const QStringList& arguments, const QString& sStartUpTemplate);
    void NewProject();
    void OpenProject();
    void Reopen(const QString& sEntry);

    // Saves under the project's name; a template, or a project whose file does
    // not exist, is saved as a new project instead.
    bool Save();
    // Asks for a new project file and saves there, never into the template
    // folder; then loads the file written.
    bool SaveAs();
    // Writes the project and its editable file pages to its file, first
    // copying in what the window shows when bUpdateFromCurrentDisplay is set.
    // A failure shows its reason and leaves the project edited.
    bool SaveProject(bool bUpdateFromCurrentDisplay);
    // Writes a template over itself, keeping it a template.
    void SaveTemplate();
    // The close question for an edited project: No closes, Cancel keeps the
    // window open, Yes saves and closes only when the save wrote the project.
    bool CloseQuery();

    void AddFilesToProject();
    // Replaces the selected popup's HTML with a file's text.
    void LoadExternalHTMLFile();

    // The last Save or Save As wrote the project; the compile reads it.
    bool ProjectSaveSuccess() const { return bProjectSaveSuccess; }
    TRecentProjects& RecentProjects() { return ProjectList; }

private:
    bool AskToSaveFirst();
    QString ChooseProjectFile(const QString& sCaption, const QString& sStart);
    QString ChooseSaveFile();
    bool MayWriteTo(const QString& sPath);
    bool SaveEditableFiles();
    void Saved();
    void LoadFailed(const QString& sStatus, const QString& sNextProjectName);
    bool Ask(const QString& sQuestion);
    void ShowError(const QString& sText);

    TProjectDocument& Document;
    IEditorServices& Services;
    IProjectWindow& Window;
    QWidget* Parent;
    TEditableFilePages& Pages;
    TAppSettings& Settings;
    TRecentProjects ProjectList;
    std::unique_ptr<TFileListHost> FileListHost;
    TFileListForm* FileListForm; // owned by the parent window
    bool bProjectSaveSuccess = false;
    bool bNoProjectLoaded = false; // the last load failed: the name is a folder
    QString sSaveFolder;           // where the save dialog starts next
};
