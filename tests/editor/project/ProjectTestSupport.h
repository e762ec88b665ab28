#pragma once

#include "TZEPProject.h"
#include "TestSupport.h"

#include <QDialog>
#include <QPushButton>
#include <QString>
#include <QTimer>

#include <functional>

// Files and popups of the project dialog tests.

void WriteFileBytes(const QString& sPath, const QByteArray& bytes);

// A popup sUid with one line of HTML, its content item 0 made from it.
std::unique_ptr<TZEPInstance> NewPopup(TZEPProject& oProject, const QString& sUid);

// Saves a single-popup project sPath holding the popup sUid; change adjusts
// the popup before the save. False when it could not be written.
bool WriteSinglePopupProject(const QString& sPath, const QString& sUid,
                             const std::function<void(TZEPInstance&)>& change = {});

// Runs exec (through open) while action runs inside the dialog, then clicks
// the closing button; answers the modal result.
inline int RunWhileOpen(QDialog& dialog, const std::function<int()>& open, const std::function<void()>& action,
                        QPushButton* closeButton) {
    QTimer::singleShot(0, &dialog, [action, closeButton] {
        action();
        closeButton->click();
    });
    return open();
}
