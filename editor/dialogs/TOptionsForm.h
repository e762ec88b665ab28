#pragma once

#include <QDialog>

class IEditorServices;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The options dialog: application settings (kept in the settings store) and
// the project's compile options. Cancel restores every control to the value
// it had when the dialog opened.
class TOptionsForm : public QDialog {
    Q_OBJECT
public:
    explicit TOptionsForm(IEditorServices& services, QWidget* parent = nullptr);

    QCheckBox* AutoSaveBox = nullptr;
    QLineEdit* BaseLocationEdit = nullptr;
    QPushButton* BrowseBtn = nullptr;
    QCheckBox* IncludeDynamicFunctionsBox = nullptr;
    QCheckBox* DynamicContentBox = nullptr;
    QCheckBox* TurnOffAudioBox = nullptr;
    QCheckBox* CoverBoxesBox = nullptr;
    QComboBox* InitialisationOptionsBox = nullptr;
    QCheckBox* ShowCompileBox = nullptr;
    QCheckBox* DeleteLogBox = nullptr;
    QListWidget* UpdateFrequencyListBox = nullptr;

    // Date and time of the last update check, days since 30 December 1899.
    double LastUpdate = 0.0;
    // A project option was changed while the dialog was open.
    bool bDCUEdited = false;

    // The dependency rule: "Dynamic content file" checks and locks
    // "Include dynamic functions".
    void ApplyDependencyRule();
    // Shows the last update time in the update group.
    void ShowLastUpdate();

signals:
    // OK moved the base folder: the project dialogs start there from now on.
    void BaseLocationChanged(const QString& sFolder);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int iResult) override;

private:
    void RememberValues();
    void RestoreValues();
    void ApplicationSettingChanged();
    void ProjectOptionChanged();
    void BrowseBtnClick();
    QWidget* BuildProjectSpaceGroup();
    QWidget* BuildCompileGroup();
    QWidget* BuildMiscellaneousGroup();
    QWidget* BuildUpdateGroup();

    IEditorServices& Services;
    bool bUpdating = false;
    QLabel* LastUpdateLabel = nullptr;

    QString sPreviousLocation;
    bool bAutoSave = false;
    bool bIncludeDynamic = false;
    bool bDynamicContent = false;
    bool bTurnOffAudio = false;
    int InitialisationOption = 0;
    bool bCoverBoxes = false;
    bool bShowCompile = false;
    bool bDeleteLog = false;
    int UpdateFrequency = 0;
};
