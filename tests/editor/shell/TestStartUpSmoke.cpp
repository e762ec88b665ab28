// The program's own start-up, as main runs it, in a temporary home: what a
// new user sees at the first start.

#include "LoopWait.h"
#include "TEditorServices.h"
#include "TStartUp.h"
#include "TZEPProject.h"
#include "TestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The desktop's services, except that nothing may ask the user anything:
// no window is there to answer.
class TUnattendedServices : public TDesktopServices {
public:
    QMessageBox::StandardButton Ask(QWidget*, CMessageKind, const QString& sText, QMessageBox::StandardButtons,
                                    QMessageBox::StandardButton) override {
        ADD_FAILURE() << "the start-up asked: " << sText.toStdString();
        return QMessageBox::Cancel;
    }
    int RunModal(QDialog&) override {
        ADD_FAILURE() << "the start-up ran a dialog";
        return 0;
    }
};

// A temporary home: documents, settings, runtime folder; the previous ones
// come back at the end.
class TTemporaryHome {
public:
    TTemporaryHome() {
        for (const char* sName : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_DOCUMENTS_DIR"})
            Saved.append({sName, qgetenv(sName)});
        QDir().mkpath(Dir.filePath(QStringLiteral("run")));
        QFile::setPermissions(Dir.filePath(QStringLiteral("run")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("HOME", Dir.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", Dir.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_RUNTIME_DIR", Dir.filePath(QStringLiteral("run")).toUtf8());
        qunsetenv("XDG_DOCUMENTS_DIR");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Dir.filePath(QStringLiteral("config")));
    }
    ~TTemporaryHome() {
        for (const auto& [sName, value] : Saved)
            value.isNull() ? qunsetenv(sName) : qputenv(sName, value);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    QString Path(const QString& sRelative) const { return Dir.filePath(sRelative); }

private:
    QTemporaryDir Dir;
    QList<std::pair<const char*, QByteArray>> Saved;
};

// How many receivers a signal of an object has. The question is protected in
// QObject; a member pointer taken in a derived class may ask it of any object.
struct TConnectionProbe : QObject {
    static int Receivers(const QObject* object, const char* sSignal) {
        constexpr auto receiversOf = &TConnectionProbe::receivers;
        return (object->*receiversOf)(sSignal);
    }
};

// Every menu and tool button that shows an action listens to its trigger
// itself; a handler is a receiver beyond those.
bool HasHandler(const QAction* action) {
    const QObjectList shownBy = action->associatedObjects();
    const auto iListening = std::count_if(shownBy.begin(), shownBy.end(), [](const QObject* object) {
        return qobject_cast<const QMenu*>(object) || qobject_cast<const QToolButton*>(object);
    });
    return TConnectionProbe::Receivers(action, SIGNAL(triggered(bool))) > iListening;
}

// The visible entries of a menu and its submenus.
void CollectEntries(const QMenu* menu, QList<QAction*>& entries) {
    for (QAction* action : menu->actions()) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        if (action->menu())
            CollectEntries(action->menu(), entries);
        else
            entries.append(action);
    }
}

class StartUpSmokeTest : public ::testing::Test {
protected:
    void SetUp() override {
        Started = StartEditor(Services, {});
        ASSERT_TRUE(Started.Form) << "exit code " << Started.iExitCode;
        QSignalSpy done(Started.Form.get(), &TMainForm::FirstDisplayCompleted);
        Started.Form->show();
        ASSERT_TRUE(done.wait(30000));
    }
    void TearDown() override {
        if (Started.Form)
            Started.Form->close();
    }
    TMainForm& Form() { return *Started.Form; }

    TTemporaryHome Home;
    TUnattendedServices Services;
    TStartUp Started;
};

TEST_F(StartUpSmokeTest, TheStartUpTemplateIsLoadedFromTheNewHome) {
    EXPECT_EQ(Form().windowTitle(), QStringLiteral("Brisola - V4.0 - Default"));
    EXPECT_EQ(Form().CurrentProject().sFullProjectName,
              Home.Path(QStringLiteral("Documents/Brisola/Templates/Default.zrj")));
}

TEST_F(StartUpSmokeTest, EveryVisibleEnabledCommandOfTheMenusAndToolBarHasAHandler) {
    QList<QAction*> commands;
    for (const QAction* menu : Form().menuBar()->actions())
        if (menu->menu())
            CollectEntries(menu->menu(), commands);
    const auto* toolBar = Form().findChild<QToolBar*>(QStringLiteral("ToolBar"));
    ASSERT_TRUE(toolBar);
    for (QAction* action : toolBar->actions())
        if (!action->isSeparator() && !qobject_cast<QWidgetAction*>(action)) // the Open button is checked below
            commands.append(action);
    commands += Form().actions(); // reachable by their keys alone
    int iChecked = 0;
    for (const QAction* command : commands) {
        if (!command->isEnabled() || command->isSeparator())
            continue;
        ++iChecked;
        EXPECT_TRUE(HasHandler(command)) << "no handler: " << command->text().toStdString() << " ("
                                         << command->toolTip().toStdString() << ")";
    }
    EXPECT_GT(iChecked, 20);
    const auto* openButton = Form().findChild<QToolButton*>(QStringLiteral("OpenProjectBtn"));
    ASSERT_TRUE(openButton);
    EXPECT_TRUE(!openButton->isEnabled() || TConnectionProbe::Receivers(openButton, SIGNAL(clicked(bool))) > 0);
}

TEST_F(StartUpSmokeTest, RestingOnAControlWithAHintShowsItsHelpText) {
    // The instance editor's field of the popup's name has the hint "Unique Identifier".
    auto* field = Form().findChild<QLineEdit*>(QStringLiteral("UniqueIDEdit"));
    ASSERT_TRUE(field);
    QTest::mouseMove(field, QPoint(5, 5));
    EXPECT_TRUE(WaitUntil([this] { return !Form().ContextHelpText().isEmpty(); }, 5000));
    EXPECT_TRUE(Form().ContextHelpText().startsWith(QStringLiteral("The name of the popup in the scripts.")))
        << Form().ContextHelpText().toStdString();
}

} // namespace
