#include "TEditorServices.h"
#include "TStartUp.h"
#include "TerminalMessages.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char* argv[]) {
    TerminalMessages::Install();
    // The preview's browser engine refuses to start its sandbox as root; run
    // as root, it goes without.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The browser engine shares its drawing contexts with the application's.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    TDesktopServices services;
    TStartUp started = StartEditor(services, QApplication::arguments().mid(1));
    if (!started.Form)
        return started.iExitCode;
    started.Form->show();
    return QApplication::exec();
}
