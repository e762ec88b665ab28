#pragma once

#include "IFolderChooser.h"
#include "TestSupport.h"

#include <QDialog>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers folder questions from a script and records the captions asked.
class TScriptedFolderChooser : public IFolderChooser {
public:
    QString ChooseFolder(const QString& sCaption, const QString& sStartFolder) override {
        Asked << sCaption;
        StartFolders << sStartFolder;
        return Answers.isEmpty() ? QString() : Answers.takeFirst();
    }
    QStringList Answers;
    QStringList Asked;
    QStringList StartFolders;
};

// Runs the dialog modally: change runs while it is shown, then the closing
// button is clicked. Answers the dialog's result.
inline int RunModal(QDialog& dialog, const std::function<void()>& change, QPushButton* closeButton) {
    QTimer::singleShot(0, &dialog, [change, closeButton] {
        change();
        closeButton->click();
    });
    return dialog.exec();
}
