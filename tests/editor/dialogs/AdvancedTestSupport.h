#pragma once

#include "TScriptedServices.h"

#include <QDialog>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>

// The folder of the services' settings store, made before the services.
struct TStoreFolder {
    QTemporaryDir StoreDir;
};

// Scripted services with a settings store of their own.
class TDialogServices : private TStoreFolder, public TScriptedServices {
public:
    TDialogServices() : TScriptedServices(StoreDir.filePath(QStringLiteral("store.ini"))) {}

    // Runs the dialog modally: change runs while it is shown, then the closing
    // button is clicked. Answers the dialog's result.
    int Run(QDialog& dialog, const std::function<void()>& change, QPushButton* closeButton) {
        ExpectDialog(dialog.objectName(), [change, closeButton](QDialog&) {
            change();
            closeButton->click();
        });
        return RunModal(dialog);
    }
};
