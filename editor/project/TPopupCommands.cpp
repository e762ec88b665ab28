#include "TPopupCommands.h"

#include "TAppSettings.h"
#include "TEditorDocument.h"
#include "TLog.h"
#include "TMultiPopupModeForm.h"
#include "TMultiSequentialForm.h"

#include <QAction>
#include <QCheckBox>

namespace {

QString TrueFalse(bool bValue) {
    return bValue ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

TPopupCommands::TPopupCommands(IEditorServices& services, IPopupWindow& window, TEditorDocument& document,
                               QTabBar& instanceTabs, TAppSettings& settings, QWidget* dialogParent)
    : QObject(dialogParent), Window(window), Document(document), Settings(settings),
      InstanceTabs(instanceTabs, document.Project()),
      oMultiPopupModeForm(new TMultiPopupModeForm(services, dialogParent)),
      oMultiSequentialForm(new TMultiSequentialForm(services, dialogParent)) {
    connect(oMultiPopupModeForm, &TMultiPopupModeForm::LogLine, this,
            [this](const QString& sText) { Window.Log().Add(sText); });
}

TPopupCommands::~TPopupCommands() = default;

void TPopupCommands::ConnectButtons(QAction& multiPopupBtn, QAction& sequentialBtn) {
    connect(&multiPopupBtn, &QAction::triggered, this, &TPopupCommands::MultiPopupBtnClick);
    connect(&sequentialBtn, &QAction::triggered, this, &TPopupCommands::APIBtnClick);
    multiPopupBtn.setEnabled(true);
    sequentialBtn.setEnabled(true);
}

void TPopupCommands::MultiPopupBtnClick() {
    TZEPProject& project = Document.Project();
    // Without a project there is no folder to import popups into.
    if (project.InstanceList.IsEmpty())
        return;
    TMultiPopupFolders folders{Settings.sUserTemplatePath, Window.BaseTemplatePath(), Window.BaseLocation()};
    const bool bOldMode = project.bMultipleInstances == 1;
    // Each addition, deletion and removal is a step of its own.
    TDocumentSnapshot before = Document.Snapshot();
    const auto edited =
        connect(oMultiPopupModeForm, &TMultiPopupModeForm::ListEdited, this, [this, &before](const QString& sStep) {
            Document.PushSnapshot(sStep, std::move(before));
            before = Document.Snapshot();
        });
    const int iResult = oMultiPopupModeForm->ShowModal(bOldMode, InstanceTabs, folders);
    disconnect(edited);
    Settings.sUserTemplatePath = folders.sUserTemplatePath;
    if (iResult != QDialog::Accepted)
        return;
    const bool bNewMode = oMultiPopupModeForm->EnableMultiplePopupBox->isChecked();
    Window.Log().Add(QStringLiteral("Multiple popup form edited from ") + TrueFalse(bOldMode) + QStringLiteral(" to ") +
                     TrueFalse(bNewMode));
    if (bNewMode == bOldMode) {
        emit ProjectChanged();
        return;
    }
    Document.ChangeProject(QStringLiteral("Change Popup Mode"), [this, &project, bNewMode] {
        project.bMultipleInstances = bNewMode ? 1 : 0;
        emit ProjectChanged();
    });
}

void TPopupCommands::APIBtnClick() {
    TZEPInstance* oInstance = InstanceTabs.Instance(InstanceTabs.CurrentIndex());
    if (!oInstance)
        return;
    TZEPProject& project = Document.Project();
    const bool bOldMode = project.bMultipleSequentialLayers == 1;
    if (oMultiSequentialForm->ShowModal(bOldMode, project, *oInstance) != QDialog::Accepted)
        return;
    const bool bNewMode = oMultiSequentialForm->IsSwitchOn();
    Window.Log().Add(QStringLiteral("Multiple sequential layer ") + TrueFalse(bOldMode) + QStringLiteral(" to ") +
                     TrueFalse(bNewMode));
    Document.ChangeProject(QStringLiteral("Change Layers"), [this, &project, oInstance, bNewMode] {
        project.bMultipleSequentialLayers = bNewMode ? 1 : 0;
        oInstance->ContentStrings.CopyContent(oMultiSequentialForm->Content());
        emit ProjectChanged();
    });
}
