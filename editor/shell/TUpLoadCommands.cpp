#include "TUpLoadCommands.h"

#include "TEditorServices.h"
#include "TLog.h"
#include "TMainForm.h"
#include "TProjectDocument.h"
#include "TUpLoadCommand.h"
#include "TUpLoadForm.h"

#include <QGuiApplication>
#include <QScreen>

TUpLoadCommands::TUpLoadCommands(IEditorServices& services, TLog& log, TMainForm& window, TProjectDocument& document)
    : Services(services), Log(log), Window(window), Document(document) {
    const auto prompt = [this](QWidget* parent, QMessageBox::Icon icon, const QString& sText,
                               QMessageBox::StandardButtons buttons) {
        const auto kind = icon == QMessageBox::Question ? CMessageKind::mkConfirmation : CMessageKind::mkError;
        return Services.Ask(parent, kind, sText, buttons);
    };
    oForm = new TUpLoadForm(Log, prompt, &Window);
    oForm->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        oForm->move(screen->availableGeometry().center() - oForm->rect().center());
    }
}

void TUpLoadCommands::UpLoadBtnClick() {
    TUpLoadCommandLinks links;
    links.CheckCompiledVersion = [this](const QString& sPurpose) { return Window.CheckCompiledVersion(sPurpose); };
    links.RunModal = [this](QDialog& dialog) { return Services.RunModal(dialog); };
    links.Error = [this](const QString& sMessage) { Log.Error(sMessage); };
    links.Status = [this](const QString& sText) { Window.Status(sText); };
    UpLoadCompiledFiles(*oForm, Document.UpLoadIncludeList, links);
}
