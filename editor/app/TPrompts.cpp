#include "TPrompts.h"

#include <QFileDialog>
#include <QQueue>

namespace {

QQueue<QMessageBox::StandardButton> NextAnswers;
QQueue<QString> NextFileNames;
QStringList Asked;
bool bScriptedAnswers = false;

QMessageBox::Icon IconOf(TPrompts::CMessageKind kind) {
    switch (kind) {
    case TPrompts::CMessageKind::mkError:
        return QMessageBox::Critical;
    case TPrompts::CMessageKind::mkWarning:
        return QMessageBox::Warning;
    case TPrompts::CMessageKind::mkInformation:
        return QMessageBox::Information;
    case TPrompts::CMessageKind::mkConfirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString CaptionOf(TPrompts::CMessageKind kind) {
    switch (kind) {
    case TPrompts::CMessageKind::mkError:
        return QStringLiteral("Error");
    case TPrompts::CMessageKind::mkWarning:
        return QStringLiteral("Warning");
    case TPrompts::CMessageKind::mkInformation:
        return QStringLiteral("Information");
    case TPrompts::CMessageKind::mkConfirmation:
        return QStringLiteral("Confirm");
    }
    return {};
}

} // namespace

namespace TPrompts {

QMessageBox::StandardButton Ask(QWidget* parent, CMessageKind kind, const QString& sText,
                                QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    Asked.append(sText);
    if (!NextAnswers.isEmpty())
        return NextAnswers.dequeue();
    if (bScriptedAnswers)
        return QMessageBox::Cancel;
    QMessageBox box(IconOf(kind), CaptionOf(kind), sText, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    const int iResult = box.exec();
    return iResult == QMessageBox::NoButton ? QMessageBox::Cancel : QMessageBox::StandardButton(iResult);
}

QString ChooseFolder(QWidget* parent, const QString& sCaption, const QString& sStartFolder) {
    Asked.append(sCaption);
    if (!NextFileNames.isEmpty())
        return NextFileNames.dequeue();
    if (bScriptedAnswers)
        return {};
    return QFileDialog::getExistingDirectory(parent, sCaption, sStartFolder, QFileDialog::ShowDirsOnly);
}

void setNextAnswer(QMessageBox::StandardButton answer) {
    NextAnswers.enqueue(answer);
}

void setNextFileName(const QString& sFileName) {
    NextFileNames.enqueue(sFileName);
}

QStringList AskedTexts() {
    return Asked;
}

void ResetForTest(bool bScripted) {
    bScriptedAnswers = bScripted;
    NextAnswers.clear();
    NextFileNames.clear();
    Asked.clear();
}

} // namespace TPrompts

void TMessageUi::ShowError(const QString& sMessage) {
    TPrompts::Ask(Parent, TPrompts::CMessageKind::mkError, sMessage, QMessageBox::Ok);
}

void TMessageUi::ShowWarning(const QString& sMessage) {
    TPrompts::Ask(Parent, TPrompts::CMessageKind::mkWarning, sMessage, QMessageBox::Ok);
}

bool TMessageUi::Confirm(const QString& sMessage) {
    return TPrompts::Ask(Parent, TPrompts::CMessageKind::mkConfirmation, sMessage,
                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
