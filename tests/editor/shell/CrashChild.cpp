// The editor for the crash test, run as a child process: the main window
// through its creation steps on the project, with the folders of the test's
// environment, shown with its preview; it types a title and then waits to
// be killed.
// Usage: brisola_crash_child ROOT PROJECT TITLE
#include "EditorTestEnvironment.h"
#include "TMainForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QTextStream>
#include <QtTest/QTest>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 4)
        return 2;
    TScriptedServices services(arguments[1] + QStringLiteral("/settings.ini"));
    TStartUpContext context;
    context.Arguments = {arguments[2]};
    context.sExeName = QStringLiteral(BRISOLA_EDITOR_EXE);
    context.Today = QDate(2012, 3, 15);
    context.Folders = TestFolders(arguments[1]);
    TMainForm form(services, std::move(context));
    if (!form.Create())
        return 1;
    form.show(); // the preview runs too: it must not touch the project folder either
    auto* title = form.findChild<QLineEdit*>(QStringLiteral("TitleEdit"));
    if (title == nullptr)
        return 1;
    title->setFocus();
    QTest::keyClick(title, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(title, arguments[3]);
    QTextStream(stdout) << "changed" << Qt::endl;
    return QApplication::exec();
}
