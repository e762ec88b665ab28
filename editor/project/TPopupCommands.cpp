#include "TPopupCommands.h"

#include "TLog.h"
#include "TMultiSequentialForm.h"
#include "TZEPProject.h"

#include <QCheckBox>

namespace {

QString TrueFalse(bool bValue) {
    return bValue ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

TPopupCommands::TPopupCommands(IEditorServices& services, TLog& log, TZEPProject& project, QTabBar& instanceTabs,
                               QWidget* dialogParent)
    : QObject(dialogParent), Log(log), Project(project), InstanceTabs(instanceTabs, project),
      oMultiPopupModeForm(new TMultiPopupModeForm(services, dialogParent)),
      oMultiSequentialForm(new TMultiSequentialForm(services, dialogParent)) {
    connect(oMultiPopupModeForm, &TMultiPopupModeForm::InstanceChange, this, &TPopupCommands::InstanceChange);
    connect(oMultiPopupModeForm, &TMultiPopupModeForm::LogLine, this, [this](const QString& sText) { Log.Add(sText); });
}

TPopupCommands::~TPopupCommands() = default;

void TPopupCommands::MultiPopupBtnClick(TMultiPopupFolders& Folders) {
    // Without a project there is no folder to import popups into.
    if (Project.InstanceList.IsEmpty())
        return;
    const bool bOldMode = Project.bMultipleInstances == 1;
    if (oMultiPopupModeForm->ShowModal(bOldMode, InstanceTabs, Folders) != QDialog::Accepted)
        return;
    const bool bNewMode = oMultiPopupModeForm->EnableMultiplePopupBox->isChecked();
    Log.Add(QStringLiteral("Multiple popup form edited from ") + TrueFalse(bOldMode) + QStringLiteral(" to ") +
            TrueFalse(bNewMode));
    Project.bMultipleInstances = bNewMode ? 1 : 0;
    emit ProjectChanged();
}

void TPopupCommands::APIBtnClick() {
    TZEPInstance* oInstance = InstanceTabs.Instance(InstanceTabs.CurrentIndex());
    if (!oInstance)
        return;
    const bool bOldMode = Project.bMultipleSequentialLayers == 1;
    if (oMultiSequentialForm->ShowModal(bOldMode, Project, *oInstance) != QDialog::Accepted)
        return;
    const bool bNewMode = oMultiSequentialForm->IsSwitchOn();
    Log.Add(QStringLiteral("Multiple sequential layer ") + TrueFalse(bOldMode) + QStringLiteral(" to ") +
            TrueFalse(bNewMode));
    Project.bMultipleSequentialLayers = bNewMode ? 1 : 0;
    oInstance->ContentStrings.CopyContent(oMultiSequentialForm->Content());
    emit ProjectChanged();
}
