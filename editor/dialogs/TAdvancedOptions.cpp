#include "TAdvancedOptions.h"

#include "TAdvancedMethodsOptionsForm.h"
#include "TAdvancedReferenceOptionsForm.h"
#include "TEditorServices.h"
#include "TScheduleForm.h"

TAdvancedOptions::TAdvancedOptions(IEditorServices& services)
    : Services(services), oMethodsForm(new TAdvancedMethodsOptionsForm),
      oReferenceForm(new TAdvancedReferenceOptionsForm(services)), oScheduleForm(new TScheduleForm) {}

TAdvancedOptions::~TAdvancedOptions() {
    delete oMethodsForm.data();
    delete oReferenceForm.data();
    delete oScheduleForm.data();
}

void TAdvancedOptions::SetProject(const TZEPProject* oProject) {
    oMethodsForm->SetProject(oProject);
}

void TAdvancedOptions::ShowInstance(const TZEPInstance& oInstance) {
    oMethodsForm->ShowInstance(oInstance);
    oReferenceForm->ShowInstance(oInstance);
    oScheduleForm->ShowInstance(oInstance);
}

void TAdvancedOptions::StoreInstance(TZEPInstance& oInstance) const {
    oMethodsForm->StoreInstance(oInstance);
    oReferenceForm->StoreInstance(oInstance);
    oScheduleForm->StoreInstance(oInstance);
}

void TAdvancedOptions::AdvancedReferenceBtnClick() {
    RunDialog(*oReferenceForm);
}

void TAdvancedOptions::AdvancedMethodsBtnClick() {
    RunDialog(*oMethodsForm);
}

void TAdvancedOptions::ScheduleBtnClick() {
    RunDialog(*oScheduleForm);
}

void TAdvancedOptions::RunDialog(QDialog& dialog) {
    // Parented to its window the dialog stays above it, opens centred on it
    // and blocks only it, as a dialog of that window should.
    const auto* button = qobject_cast<const QWidget*>(sender());
    if (button && dialog.parentWidget() != button->window())
        dialog.setParent(button->window(), dialog.windowFlags() | Qt::Dialog);
    if (Services.RunModal(dialog) == QDialog::Accepted)
        emit InterfaceChange();
}
