#include "TEditorServices.h"
#include "TMainForm.h"
#include "TSingleInstance.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char* argv[]) {
    // The preview's browser engine refuses to start its sandbox as root; run
    // as root, it goes without.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The browser engine shares its drawing contexts with the application's.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Brisola"));
    QApplication::setApplicationName(QStringLiteral("Brisola"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/editor/brisola.svg")));

    auto lock = std::make_unique<TSingleInstance>();
    if (!lock->Acquire())
        return 0;

    TDesktopServices services;
    TStartUpContext context;
    context.Arguments = QApplication::arguments().mid(1);
    context.sExeName = QApplication::applicationFilePath();
    context.Today = QDate::currentDate();
    context.Folders = TWorkingFolders::FromDesktop();
    context.Lock = std::move(lock);

    TMainForm mainForm(services, std::move(context));
    if (!mainForm.Create())
        return 1;
    mainForm.show();
    return QApplication::exec();
}
