#pragma once

#include <QDialog>

class IEditorServices;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The project's compile options as the dialog shows them.
struct TProjectOptions {
    bool bIncludeDynamicFunctions = false;
    bool bDynamicContent = false;
    bool bTurnOffAudio = false;
    bool bCoverBoxes = false;
    int iInitialisationOption = 0; // the list's rows follow CInitialisationOptions
    bool bOnePopupPerPage = false;
    bool bStrictCSP = false;
    bool operator==(const TProjectOptions&) const = default;
};

// The application settings the dialog edits (kept in the settings store).
struct TApplicationOptions {
    QString sBaseLocation;
    bool bAutoSave = true;
    bool bShowCompile = true;
    bool bDeleteLog = false;
    int iUpdateFrequency = 2;
    double dLastUpdated = 0.0; // days since 30 December 1899; shown, never edited
    bool operator==(const TApplicationOptions&) const = default;
};

// The options dialog: application settings and the project's compile
// options. Cancel restores every value it had when the dialog opened.
class TOptionsForm : public QDialog {
    Q_OBJECT
public:
    explicit TOptionsForm(IEditorServices& services, QWidget* parent = nullptr);

    TProjectOptions ProjectOptions() const;
    void SetProjectOptions(const TProjectOptions& options);
    // Several popups or sequential layers need the content file: "Dynamic
    // content file" is then checked and cannot be cleared; otherwise it is free.
    void LockDynamicContent(bool bLocked);
    TApplicationOptions ApplicationOptions() const;
    void SetApplicationOptions(const TApplicationOptions& options);
    // A project option was changed while the dialog was open.
    bool ProjectOptionsEdited() const { return bDCUEdited; }

signals:
    // OK moved the base folder: the project dialogs start there from now on.
    void BaseLocationChanged(const QString& sFolder);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int iResult) override;

private:
    // "Dynamic content file" checks and locks "Include dynamic functions".
    void ApplyDependencyRule();
    void ShowLastUpdate();
    void ProjectOptionChanged();
    void BrowseBtnClick();
    QWidget* BuildProjectSpaceGroup();
    QWidget* BuildCompileGroup();
    QWidget* BuildMiscellaneousGroup();
    QWidget* BuildUpdateGroup();

    IEditorServices& Services;
    bool bUpdating = false;
    bool bDCUEdited = false;
    double dLastUpdated = 0.0;
    TProjectOptions ShownProjectOptions;
    TApplicationOptions ShownApplicationOptions;

    QCheckBox* AutoSaveBox = nullptr;
    QLineEdit* BaseLocationEdit = nullptr;
    QPushButton* BrowseBtn = nullptr;
    QCheckBox* IncludeDynamicFunctionsBox = nullptr;
    QCheckBox* DynamicContentBox = nullptr;
    QCheckBox* TurnOffAudioBox = nullptr;
    QCheckBox* CoverBoxesBox = nullptr;
    QCheckBox* StrictCSPBox = nullptr;
    QComboBox* InitialisationOptionsBox = nullptr;
    QCheckBox* OnePopupPerPageBox = nullptr;
    QCheckBox* ShowCompileBox = nullptr;
    QCheckBox* DeleteLogBox = nullptr;
    QListWidget* UpdateFrequencyListBox = nullptr;
    QLabel* LastUpdateLabel = nullptr;
};
