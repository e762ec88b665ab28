#pragma once

#include <QDialog>
#include <QString>

class IEditorServices;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TInstanceTabs;

// The folders the multi-popup mode dialog starts its file dialogs in and
// refuses to save to.
struct TMultiPopupFolders {
    QString sUserTemplatePath; // where Add starts; Add sets it to the chosen file's folder
    QString sBaseTemplatePath; // no removed popup is saved here
    QString sBaseLocation;     // where the save dialog of Remove starts
};

// "Multiple Instances": switches multi-popup mode on and off and adds,
// deletes and removes popups. Additions, deletions and removals act on the
// project's instance list at once (Cancel is then disabled); only the mode
// waits for OK.
class TMultiPopupModeForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int iClosedHeight = 169;
    static constexpr int iOpenHeight = 320;

    explicit TMultiPopupModeForm(IEditorServices& oServices, QWidget* parent = nullptr);

    QGroupBox* ModeGroup = nullptr;
    QCheckBox* EnableMultiplePopupBox = nullptr;
    QGroupBox* EditingGroup = nullptr;
    QPushButton* AddBtn = nullptr;
    QLabel* DeleteLabel = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QLabel* RemoveLabel = nullptr;
    QPushButton* RemovetBtn = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // Opens the dialog modally (through the services) on the tab strip with
    // the mode box set to bMode; answers the modal result. Folders.sUserTemplatePath follows Add.
    int ShowModal(bool bMode, TInstanceTabs& Tabs, TMultiPopupFolders& Folders);

    void AddBtnClick();
    void DeleteBtnClick();
    void RemovetBtnClick();

signals:
    // A line for the session log.
    void LogLine(const QString& sText);
    // A popup was added, deleted or removed: the step's name.
    void ListEdited(const QString& sStep);

protected:
    // Once a popup was added, deleted or removed the dialog closes only with
    // OK, so those changes are always confirmed.
    void done(int iResult) override;

private:
    QGroupBox* BuildModeGroup();
    QGroupBox* BuildEditingGroup();
    void RefreshControls();
    void ShowError(const QString& sText);
    // After an addition, deletion or removal, named sStep.
    void ListChanged(const QString& sStep);
    // Frees the instance at iCurrentIndex, takes out its tab and selects the
    // last one; the tab strip's change of selection shows it in the editor.
    void TakeOutCurrent(const QString& sStep);

    IEditorServices& oServices;
    TInstanceTabs* InstanceTabs = nullptr;
    TMultiPopupFolders* oFolders = nullptr;
    int iCurrentIndex = -1;
    QString sCurrentName;
};
