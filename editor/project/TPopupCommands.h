#pragma once

#include "TInstanceTabs.h"

#include <QObject>

class IEditorServices;
class QAction;
class QTabBar;
class QWidget;
class TMultiPopupModeForm;
class TMultiSequentialForm;
class TLog;
class TEditorDocument;
struct TAppSettings;

// What the popup commands need of the main window.
class IPopupWindow {
public:
    virtual ~IPopupWindow() = default;
    virtual TLog& Log() = 0;
    // The base folder of the options, where Remove's save dialog starts.
    virtual QString BaseLocation() const = 0;
    // The folder of the templates that come with the program.
    virtual QString BaseTemplatePath() const = 0;
};

// The main window's multi-popup mode and sequential layers commands: each
// runs its dialog on the project and the instance tabs, logs the outcome,
// records each change as a step of the document's history and signals it for
// the window to handle (update the interface and the preview).
class TPopupCommands : public QObject {
    Q_OBJECT
public:
    TPopupCommands(IEditorServices& services, IPopupWindow& window, TEditorDocument& document, QTabBar& instanceTabs,
                   TAppSettings& settings, QWidget* dialogParent);
    ~TPopupCommands() override;

    // The window's two tool buttons run the commands and are enabled.
    void ConnectButtons(QAction& multiPopupBtn, QAction& sequentialBtn);

    // The multi-popup mode dialog on the tab strip; nothing without a loaded
    // project. The settings' user template folder follows its additions.
    void MultiPopupBtnClick();
    // The sequential layers dialog for the popup of the selected tab; nothing
    // without one.
    void APIBtnClick();

    TInstanceTabs& Tabs() { return InstanceTabs; }
    TMultiPopupModeForm& MultiPopupModeForm() const { return *oMultiPopupModeForm; }
    TMultiSequentialForm& MultiSequentialForm() const { return *oMultiSequentialForm; }

signals:
    // A confirmed dialog changed the project.
    void ProjectChanged();

private:
    IPopupWindow& Window;
    TEditorDocument& Document;
    TAppSettings& Settings;
    TInstanceTabs InstanceTabs;
    TMultiPopupModeForm* oMultiPopupModeForm;
    TMultiSequentialForm* oMultiSequentialForm;
};
