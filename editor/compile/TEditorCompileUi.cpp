#include "TEditorCompileUi.h"

#include "ICompileHost.h"
#include "TCompileForm.h"
#include "TEditorServices.h"

#include <QDialog>

TEditorCompileUi::TEditorCompileUi(IEditorServices& services, QWidget* parent, ICompileHost& host, TCompileForm& form)
    : Services(services), Parent(parent), Host(host), Form(form) {}

void TEditorCompileUi::Log(const QString& sText) {
    Host.LogLine(sText);
}

void TEditorCompileUi::ShowError(const QString& sText) {
    Host.LogLine(sText);
    Services.Ask(Parent, CMessageKind::mkError, sText, QMessageBox::Ok);
}

bool TEditorCompileUi::Confirm(const QString& sQuestion) {
    return Services.Ask(Parent, CMessageKind::mkConfirmation, sQuestion, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

bool TEditorCompileUi::AskYesNo(const QString& sQuestion) {
    return Services.Ask(Parent, CMessageKind::mkConfirmation, sQuestion, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void TEditorCompileUi::ShowInfo(const QString& sText) {
    Services.Ask(Parent, CMessageKind::mkInformation, sText, QMessageBox::Ok);
}

void TEditorCompileUi::Status(const QString& sText) {
    Host.Status(sText);
}

void TEditorCompileUi::SetCaption(const QString&) {
    Host.SetProjectTitle();
}

bool TEditorCompileUi::SaveProject() {
    return Host.SaveProject();
}

bool TEditorCompileUi::SaveProjectAs() {
    return Host.SaveProjectAs();
}

// Only OK takes the check box into the option; the close box leaves it.
bool TEditorCompileUi::ShowResults(const TCompileResults& results) {
    Form.Fill(results);
    if (Services.RunModal(Form) != QDialog::Accepted) {
        return results.bShowFormBox;
    }
    return Form.ShowFormEveryTime();
}
