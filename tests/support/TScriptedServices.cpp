#include "TScriptedServices.h"

#include <QDialog>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

const char* KindName(int iKind) {
    static const char* const names[] = {"question", "file dialog", "dialog"};
    return names[iKind];
}

} // namespace

TScriptedServices::TScriptedServices(QString sStoreFile) : sStoreFile(std::move(sStoreFile)) {}

TScriptedServices::~TScriptedServices() {
    VerifyAllAsked();
}

void TScriptedServices::ExpectQuestion(const QString& sText, QMessageBox::StandardButton answer) {
    Expected.append({CExpected::exQuestion, sText, answer, {}, {}});
}

void TScriptedServices::ExpectChoice(const QString& sText, const QString& sCaption) {
    Expected.append({CExpected::exQuestion, sText, QMessageBox::Cancel, sCaption, {}});
}

void TScriptedServices::ExpectFileDialog(const QString& sCaption, const QString& sFileName) {
    Expected.append({CExpected::exFileDialog, sCaption, QMessageBox::Cancel, sFileName, {}});
}

void TScriptedServices::ExpectDialog(const QString& sObjectName, std::function<void(QDialog&)> drive) {
    Expected.append({CExpected::exDialog, sObjectName, QMessageBox::Cancel, {}, std::move(drive)});
}

void TScriptedServices::VerifyAllAsked() {
    for (const TExpectation& expectation : Expected)
        ADD_FAILURE() << "expected " << KindName(int(expectation.Kind)) << " never came: \""
                      << expectation.sKey.toStdString() << '"';
    Expected.clear();
}

bool TScriptedServices::Take(CExpected kind, const QString& sKey, TExpectation& taken) {
    if (Expected.isEmpty() || Expected.front().Kind != kind || Expected.front().sKey != sKey) {
        ADD_FAILURE() << "unexpected " << KindName(int(kind)) << ": \"" << sKey.toStdString() << "\""
                      << (Expected.isEmpty() ? std::string(" (nothing expected)")
                                             : " (expected " + std::string(KindName(int(Expected.front().Kind))) +
                                                   " \"" + Expected.front().sKey.toStdString() + "\")");
        return false;
    }
    taken = Expected.takeFirst();
    return true;
}

QMessageBox::StandardButton TScriptedServices::Ask(QWidget*, CMessageKind, const QString& sText,
                                                   QMessageBox::StandardButtons, QMessageBox::StandardButton) {
    TExpectation taken;
    return Take(CExpected::exQuestion, sText, taken) ? taken.Answer : QMessageBox::Cancel;
}

QString TScriptedServices::AskChoice(QWidget*, const QString& sText, const QStringList& captions) {
    TExpectation taken;
    if (!Take(CExpected::exQuestion, sText, taken))
        return {};
    if (!captions.contains(taken.sFileName))
        ADD_FAILURE() << "no button \"" << taken.sFileName.toStdString() << "\" on: " << sText.toStdString();
    return taken.sFileName;
}

QString TScriptedServices::ChooseFile(const QString& sCaption) {
    TExpectation taken;
    return Take(CExpected::exFileDialog, sCaption, taken) ? taken.sFileName : QString();
}

QString TScriptedServices::ChooseFolder(QWidget*, const QString& sCaption, const QString&) {
    return ChooseFile(sCaption);
}

QString TScriptedServices::ChooseOpenFile(QWidget*, const TFileDialogRequest& request) {
    FileRequests.append(request);
    return ChooseFile(request.sCaption);
}

QString TScriptedServices::ChooseSaveFile(QWidget*, const TFileDialogRequest& request) {
    FileRequests.append(request);
    return ChooseFile(request.sCaption);
}

int TScriptedServices::RunModal(QDialog& dialog) {
    TExpectation taken;
    if (!Take(CExpected::exDialog, dialog.objectName(), taken))
        return QDialog::Rejected;
    dialog.show();
    taken.Drive(dialog);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the test left the dialog \"" << dialog.objectName().toStdString() << "\" open";
        dialog.reject();
    }
    return dialog.result();
}

std::unique_ptr<QSettings> TScriptedServices::OpenSettings() {
    return std::make_unique<QSettings>(sStoreFile, QSettings::IniFormat);
}

bool TScriptedServices::ShellOpen(const QString& sTarget, const QString& sFolder) {
    Opened.append(sTarget + QStringLiteral(" | ") + sFolder);
    return true;
}
