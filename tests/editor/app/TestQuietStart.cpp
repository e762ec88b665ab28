// What the editor prints on the terminal: nothing at a normal start; its
// warnings and errors still reach the terminal and the session log.

#include "EditorTestEnvironment.h"
#include "LoopWait.h"
#include "TLog.h"
#include "TerminalMessages.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

struct TNoteCase {
    QtMsgType Type;
    const char* sText;
    bool bNote;
};

const TNoteCase NoteCases[] = {
    {QtInfoMsg, "GL Type: desktop", true},
    {QtDebugMsg, "Surface Type: OpenGL", true},
    {QtWarningMsg, "This plugin does not support setting window opacity", true},
    {QtWarningMsg, "This plugin does not support propagateSizeHints()", true},
    {QtWarningMsg, "No suitable graphics backend found", true},
    {QtWarningMsg, "QFile::open: No file name specified", false},
    {QtWarningMsg, "Cannot load: This plugin does not support setting window opacity", false},
    {QtCriticalMsg, "This plugin does not support setting window opacity", false},
};

TEST(TerminalMessagesTest, OnlyNotesAreDropped) {
    for (const TNoteCase& c : NoteCases)
        EXPECT_EQ(TerminalMessages::IsNote(c.Type, QString::fromLatin1(c.sText)), c.bNote) << c.sText;
}

QStringList Printed;

TEST(TerminalMessagesTest, WarningsAndErrorsReachTheTerminalAndTheSessionLog) {
    Printed.clear();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& sText) { Printed << sText; });
    TerminalMessages::Install();
    TTestEnvironment env;
    TWorkingFolders folders = env.Folders();
    TLog log;
    ASSERT_TRUE(folders.Prepare(log, env.Services, QStringLiteral(BRISOLA_EDITOR_EXE), QDate(2012, 3, 15)));
    TerminalMessages::SetSessionLog(&log);

    qInfo("GL Type: desktop");
    qWarning("This plugin does not support setting window opacity");
    qWarning("The page file is gone");
    qCritical("The engine failed");
    TerminalMessages::SetSessionLog(nullptr);
    qWarning("After the session");
    qInstallMessageHandler(nullptr);

    EXPECT_EQ(Printed, QStringList({"The page file is gone", "The engine failed", "After the session"}));
    const QStringList lines = env.LogLines();
    EXPECT_TRUE(lines.contains(QStringLiteral("Warning : The page file is gone")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Error : The engine failed")));
    EXPECT_FALSE(lines.join(u'\n').contains(QStringLiteral("GL Type")));
}

// A display server of its own for the xcb platform, on a free display number.
class TVirtualDisplay {
public:
    TVirtualDisplay() {
        Server.start(QStringLiteral("Xvfb"),
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                      QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (Server.waitForStarted(5000) && Server.waitForReadyRead(15000))
            sDisplay = u':' + QString::fromLatin1(Server.readLine().trimmed());
    }
    ~TVirtualDisplay() {
        Server.kill();
        Server.waitForFinished(5000);
    }
    QString sDisplay; // empty when the server did not start

private:
    QProcess Server;
};

class QuietStartTest : public ::testing::TestWithParam<const char*> {};

TEST_P(QuietStartTest, TheEditorStartsWithoutPrintingAnything) {
    const QString sPlatform = QString::fromLatin1(GetParam());
    std::unique_ptr<TVirtualDisplay> display;
    const TEditorProcessHome home;
    QProcessEnvironment env = home.Environment(sPlatform);
    if (sPlatform == QLatin1String("xcb")) {
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) << "Xvfb is not installed";
        display = std::make_unique<TVirtualDisplay>();
        ASSERT_FALSE(display->sDisplay.isEmpty()) << "Xvfb did not start";
        env.insert(QStringLiteral("DISPLAY"), display->sDisplay);
    }
    QProcess editor;
    editor.setProcessEnvironment(env);
    editor.setProcessChannelMode(QProcess::MergedChannels);
    editor.start(QStringLiteral(BRISOLA_EDITOR_EXE), {});
    ASSERT_TRUE(editor.waitForStarted(5000));
    // The start-up has run through once the log names the browser's window;
    // the splash goes on fading for up to a second.
    const bool bStarted = WaitUntil([&] { return home.LogContains(QStringLiteral("Browser window handle")); }, 60000);
    LetTimePass(1500);
    const QByteArray printed = editor.readAll();
    EXPECT_EQ(editor.state(), QProcess::Running) << "the editor ended";
    editor.terminate();
    if (!editor.waitForFinished(10000)) {
        editor.kill();
        editor.waitForFinished(5000);
    }
    EXPECT_TRUE(bStarted) << "the start-up did not finish";
    EXPECT_EQ(printed.toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Platforms, QuietStartTest, ::testing::Values("offscreen", "xcb"));

} // namespace
