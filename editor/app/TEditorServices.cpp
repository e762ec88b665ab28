#include "TEditorServices.h"

#include "TClock.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QSettings>
#include <QUrl>

namespace {

QMessageBox::Icon IconOf(CMessageKind kind) {
    switch (kind) {
    case CMessageKind::mkError:
        return QMessageBox::Critical;
    case CMessageKind::mkWarning:
        return QMessageBox::Warning;
    case CMessageKind::mkInformation:
        return QMessageBox::Information;
    case CMessageKind::mkConfirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString CaptionOf(CMessageKind kind) {
    switch (kind) {
    case CMessageKind::mkError:
        return QStringLiteral("Error");
    case CMessageKind::mkWarning:
        return QStringLiteral("Warning");
    case CMessageKind::mkInformation:
        return QStringLiteral("Information");
    case CMessageKind::mkConfirmation:
        return QStringLiteral("Confirm");
    }
    return {};
}

QString RunFileDialog(QWidget* parent, const TFileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, request.sCaption, request.sStartFolder, FileDialogFilter(request.sFilter));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.sDefaultSuffix);
    // The caller asks about overwriting, with its own question.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

QString FileDialogFilter(const QString& sFilter) {
    const QStringList parts = sFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(parts[i] + QStringLiteral(" (") + QString(parts[i + 1]).replace(u';', u' ') + u')');
    return filters.join(QStringLiteral(";;"));
}

TDesktopServices::TDesktopServices() : oClock(std::make_unique<TSystemClock>()) {}

TDesktopServices::~TDesktopServices() = default;

QMessageBox::StandardButton TDesktopServices::Ask(QWidget* parent, CMessageKind kind, const QString& sText,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton) {
    QMessageBox box(IconOf(kind), CaptionOf(kind), sText, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    const int iResult = box.exec();
    return iResult == QMessageBox::NoButton ? QMessageBox::Cancel : QMessageBox::StandardButton(iResult);
}

QString TDesktopServices::AskChoice(QWidget* parent, const QString& sText, const QStringList& captions) {
    QMessageBox box(QMessageBox::Question, CaptionOf(CMessageKind::mkConfirmation), sText, QMessageBox::NoButton,
                    parent);
    for (const QString& sCaption : captions)
        box.addButton(sCaption, QMessageBox::AcceptRole);
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    return clicked ? clicked->text() : QString();
}

QString TDesktopServices::ChooseFolder(QWidget* parent, const QString& sCaption, const QString& sStartFolder) {
    return QFileDialog::getExistingDirectory(parent, sCaption, sStartFolder, QFileDialog::ShowDirsOnly);
}

QString TDesktopServices::ChooseOpenFile(QWidget* parent, const TFileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString TDesktopServices::ChooseSaveFile(QWidget* parent, const TFileDialogRequest& request) {
    return RunFileDialog(parent, request, QFileDialog::AcceptSave);
}

int TDesktopServices::RunModal(QDialog& dialog) {
    return dialog.exec();
}

std::unique_ptr<QSettings> TDesktopServices::OpenSettings() {
    return std::make_unique<QSettings>(QStringLiteral("Brisola"), QStringLiteral("Brisola"));
}

const IClock& TDesktopServices::Clock() const {
    return *oClock;
}

bool TDesktopServices::ShellOpen(const QString& sTarget, const QString& sFolder) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(sTarget, sFolder, QUrl::AssumeLocalFile));
}

void TMessageUi::ShowError(const QString& sMessage) {
    Services.Ask(Parent, CMessageKind::mkError, sMessage, QMessageBox::Ok);
}

void TMessageUi::ShowWarning(const QString& sMessage) {
    Services.Ask(Parent, CMessageKind::mkWarning, sMessage, QMessageBox::Ok);
}

bool TMessageUi::Confirm(const QString& sMessage) {
    return Services.Ask(Parent, CMessageKind::mkConfirmation, sMessage, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}
