#include "TStartUp.h"

#include "TerminalMessages.h"

#include <QApplication>
#include <QIcon>

TStartUp StartEditor(IEditorServices& services, const QStringList& arguments) {
    QApplication::setOrganizationName(QStringLiteral("Brisola"));
    QApplication::setApplicationName(QStringLiteral("Brisola"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/editor/brisola.svg")));
    TStartUp started;
    auto lock = std::make_unique<TSingleInstance>();
    if (!lock->Acquire())
        return started;

    TStartUpContext context;
    context.Arguments = arguments;
    context.sExeName = QApplication::applicationFilePath();
    context.Today = QDate::currentDate();
    context.Folders = TWorkingFolders::FromDesktop();
    context.Lock = std::move(lock);
    started.Form = std::make_unique<TMainForm>(services, std::move(context));
    if (!started.Form->Create()) {
        started.Form.reset();
        started.iExitCode = 1;
        return started;
    }
    TerminalMessages::SetSessionLog(&started.Form->Log());
    return started;
}
