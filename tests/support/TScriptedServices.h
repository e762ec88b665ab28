#pragma once

#include "TClock.h"
#include "TEditorServices.h"
#include "TestSupport.h"

#include <QList>
#include <QStringList>

#include <functional>

// A clock the test sets by hand.
class TFakeClock : public IClock {
public:
    quint32 TickCount() const override { return iTick; }
    quint32 iTick = 0;
};

// Services whose every question and dialog the test scripts in advance, in
// order: a test states the text of each question it expects with its answer,
// the caption of each file or folder chooser with the name chosen, and the
// object name of each modal dialog with the code that drives it. A question or
// dialog that was not expected, or one that comes out of order, fails the
// test and is answered Cancel; an expectation still open when the services go
// fails the test too. The settings store is an ini file of the test's own.
class TScriptedServices : public IEditorServices {
public:
    explicit TScriptedServices(QString sStoreFile);
    ~TScriptedServices() override;

    void ExpectQuestion(const QString& sText, QMessageBox::StandardButton answer);
    // A question with buttons of their own captions, answered with one of them.
    void ExpectChoice(const QString& sText, const QString& sCaption);
    // An empty name stands for Cancel.
    void ExpectFileDialog(const QString& sCaption, const QString& sFileName);
    // The dialog is shown, driven, and must be closed by the driver.
    void ExpectDialog(const QString& sObjectName, std::function<void(QDialog&)> drive);
    // Fails the test for every expectation that has not come yet, and forgets them.
    void VerifyAllAsked();

    QMessageBox::StandardButton Ask(QWidget* parent, CMessageKind kind, const QString& sText,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override;
    QString AskChoice(QWidget* parent, const QString& sText, const QStringList& captions) override;
    QString ChooseFolder(QWidget* parent, const QString& sCaption, const QString& sStartFolder) override;
    QString ChooseOpenFile(QWidget* parent, const TFileDialogRequest& request) override;
    QString ChooseSaveFile(QWidget* parent, const TFileDialogRequest& request) override;
    int RunModal(QDialog& dialog) override;
    std::unique_ptr<QSettings> OpenSettings() override;
    const IClock& Clock() const override { return FakeClock; }
    bool ShellOpen(const QString& sTarget, const QString& sFolder) override;

    TFakeClock FakeClock;
    QStringList Opened;                     // "target | folder" of every ShellOpen
    QList<TFileDialogRequest> FileRequests; // every file chooser asked for

private:
    enum class CExpected { exQuestion, exFileDialog, exDialog };
    struct TExpectation {
        CExpected Kind;
        QString sKey; // question text, chooser caption or dialog name
        QMessageBox::StandardButton Answer = QMessageBox::Cancel;
        QString sFileName;
        std::function<void(QDialog&)> Drive;
    };
    // Takes the next expectation when it is of this kind and key; fails the test otherwise.
    bool Take(CExpected kind, const QString& sKey, TExpectation& taken);
    QString ChooseFile(const QString& sCaption);

    QString sStoreFile;
    QList<TExpectation> Expected;
};
