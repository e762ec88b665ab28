#pragma once

#include "TInstanceTabs.h"
#include "TMultiPopupModeForm.h"

#include <QObject>

class IEditorServices;
class QTabBar;
class QWidget;
class TLog;
class TMultiSequentialForm;
class TZEPProject;

// The main window's multi-popup mode and sequential layers commands: each
// runs its dialog on the project and the instance tabs, logs the outcome and
// asks the window to handle the change (mark the project edited, update the
// interface and the preview).
class TPopupCommands : public QObject {
    Q_OBJECT
public:
    TPopupCommands(IEditorServices& services, TLog& log, TZEPProject& project, QTabBar& instanceTabs,
                   QWidget* dialogParent);
    ~TPopupCommands() override;

    // The multi-popup mode dialog on the tab strip; nothing without a loaded
    // project. Folders.sUserTemplatePath follows the dialog's additions.
    void MultiPopupBtnClick(TMultiPopupFolders& Folders);
    // The sequential layers dialog for the popup of the selected tab; nothing
    // without one.
    void APIBtnClick();

    TInstanceTabs& Tabs() { return InstanceTabs; }
    TMultiPopupModeForm& MultiPopupModeForm() const { return *oMultiPopupModeForm; }
    TMultiSequentialForm& MultiSequentialForm() const { return *oMultiSequentialForm; }

signals:
    // A confirmed dialog changed the project.
    void ProjectChanged();
    // The selected tab changed because a popup was deleted or removed.
    void InstanceChange();

private:
    TLog& Log;
    TZEPProject& Project;
    TInstanceTabs InstanceTabs;
    TMultiPopupModeForm* oMultiPopupModeForm;
    TMultiSequentialForm* oMultiSequentialForm;
};
