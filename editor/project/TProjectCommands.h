#pragma once

#include <QString>

class IEditorServices;
class QWidget;
class TLog;
class TProjectDocument;

// What the project commands need of the main window.
class IProjectWindow {
public:
    virtual ~IProjectWindow() = default;
    // Copies what the window shows (options, the selected instance) into the project.
    virtual void UpdateProjectFromDisplay() = 0;
    // Loads the file named by the project's sFullProjectName into the window.
    virtual bool LoadProject(bool bTemplateRequired) = 0;
    // The project was written: no unsaved changes remain.
    virtual void ProjectSaved() = 0;
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

// The main window's commands that write the project (Save, Save As) and the
// question asked when the window closes with unsaved changes.
class TProjectCommands {
public:
    TProjectCommands(TProjectDocument& document, IEditorServices& services, IProjectWindow& window, QWidget* parent);

    // Saves under the project's name; a template, or a project whose file does
    // not exist, is saved as a new project instead.
    bool Save();
    // Asks for a new project file and saves there, never into the template
    // folder; then loads the file written.
    bool SaveAs();
    // Writes the project to its file, first copying in what the window shows
    // when bUpdateFromCurrentDisplay is set. A failure shows its reason.
    bool SaveProject(bool bUpdateFromCurrentDisplay);
    // The close question for an edited project: Yes saves and closes whatever
    // the save gives, No closes, Cancel keeps the window open (false).
    bool CloseQuery();

    // The last Save or Save As wrote the project; the compile reads it.
    bool ProjectSaveSuccess() const { return bProjectSaveSuccess; }

private:
    QString ChooseSaveFile();
    bool MayWriteTo(const QString& sPath);
    void Saved();
    void ShowError(const QString& sText);

    TProjectDocument& Document;
    IEditorServices& Services;
    IProjectWindow& Window;
    QWidget* Parent;
    bool bProjectSaveSuccess = false;
    QString sSaveFolder; // where the save dialog starts next
};
