#pragma once

#include "TScriptedServices.h"
#include "TZEPProject.h"

#include <QDialog>
#include <QPushButton>
#include <QString>

#include <functional>
#include <vector>

// Files and popups of the project dialog tests.

void WriteFileBytes(const QString& sPath, const QByteArray& bytes);

// A popup sUid with one line of HTML, its content item 0 made from it.
std::unique_ptr<TZEPInstance> NewPopup(TZEPProject& oProject, const QString& sUid);

// Saves a single-popup project sPath holding the popup sUid; change adjusts
// the popup before the save. False when it could not be written.
bool WriteSinglePopupProject(const QString& sPath, const QString& sUid,
                             const std::function<void(TZEPInstance&)>& change = {});

// The questions and choosers a test expects from inside a modal dialog: they
// are queued behind the dialog itself when the dialog's run is expected.
class TDialogScript {
public:
    explicit TDialogScript(TScriptedServices& services) : Services(services) {}

    void ExpectQuestion(const QString& sText, QMessageBox::StandardButton answer) {
        Inside.push_back([this, sText, answer] { Services.ExpectQuestion(sText, answer); });
    }
    void ExpectFileDialog(const QString& sCaption, const QString& sFileName) {
        Inside.push_back([this, sCaption, sFileName] { Services.ExpectFileDialog(sCaption, sFileName); });
    }
    // Expects the dialog sObjectName, then what was scripted for it: action
    // runs while the dialog is shown, then the closing button is clicked.
    void ExpectDialogRun(const QString& sObjectName, const std::function<void()>& action, QPushButton* closeButton) {
        Services.ExpectDialog(sObjectName, [action, closeButton](QDialog&) {
            action();
            closeButton->click();
        });
        for (const auto& expect : Inside)
            expect();
        Inside.clear();
    }

private:
    TScriptedServices& Services;
    std::vector<std::function<void()>> Inside;
};
