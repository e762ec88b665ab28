#include "TAdvancedOptions.h"

#include "TAdvancedMethodsOptionsForm.h"
#include "TAdvancedReferenceOptionsForm.h"
#include "TEditorServices.h"

TAdvancedOptions::TAdvancedOptions(IEditorServices& services)
    : Services(services), oMethodsForm(std::make_unique<TAdvancedMethodsOptionsForm>()),
      oReferenceForm(std::make_unique<TAdvancedReferenceOptionsForm>(services)) {}

TAdvancedOptions::~TAdvancedOptions() = default;

void TAdvancedOptions::SetProject(const TZEPProject* oProject) {
    oMethodsForm->SetProject(oProject);
}

void TAdvancedOptions::ShowInstance(const TZEPInstance& oInstance) {
    oMethodsForm->ShowInstance(oInstance);
    oReferenceForm->ShowInstance(oInstance);
}

void TAdvancedOptions::StoreInstance(TZEPInstance& oInstance) const {
    oMethodsForm->StoreInstance(oInstance);
    oReferenceForm->StoreInstance(oInstance);
}

void TAdvancedOptions::AdvancedReferenceBtnClick() {
    if (Services.RunModal(*oReferenceForm) == QDialog::Accepted)
        emit InterfaceChange();
}

void TAdvancedOptions::AdvancedMethodsBtnClick() {
    if (Services.RunModal(*oMethodsForm) == QDialog::Accepted)
        emit InterfaceChange();
}
