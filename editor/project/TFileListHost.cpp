#include "TFileListHost.h"

#include "TEditableFilePages.h"
#include "TEditorServices.h"
#include "TLog.h"

TFileListHost::TFileListHost(IEditorServices& services, QWidget* parent, TEditableFilePages& pages, TLog& log,
                             std::function<void(const QString&)> status)
    : Services(services), Parent(parent), Pages(pages), Log(log), ShowStatus(std::move(status)) {}

void TFileListHost::AddEditableFilePage(const QString& sFileName) {
    Pages.AddEditableFilePage(sFileName);
}

void TFileListHost::LoadEditableFile(const QString& sFileName) {
    Pages.LoadEditableFile(sFileName);
}

void TFileListHost::RemoveEditableFile(const QString& sFileName) {
    Pages.RemoveEditableFile(sFileName);
}

void TFileListHost::Status(const QString& sText) {
    ShowStatus(sText);
}

void TFileListHost::LogError(const QString& sText) {
    Log.Add(sText);
    ShowError(sText);
}

void TFileListHost::ShowError(const QString& sText) {
    Services.Ask(Parent, CMessageKind::mkError, sText, QMessageBox::Ok);
}

void TFileListHost::ShowInfo(const QString& sText) {
    Services.Ask(Parent, CMessageKind::mkInformation, sText, QMessageBox::Ok);
}

QMessageBox::StandardButton TFileListHost::Confirm(const QString& sQuestion, QMessageBox::StandardButtons buttons) {
    return Services.Ask(Parent, CMessageKind::mkConfirmation, sQuestion, buttons);
}

QString TFileListHost::ChooseFile(const QString& sCaption, const QString& sStartFolder) {
    return Services.ChooseOpenFile(Parent, {sCaption, sStartFolder, QStringLiteral("All Files|*.*"), QString()});
}
