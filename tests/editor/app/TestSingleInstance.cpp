#include "EditorTestEnvironment.h"
#include "LoopWait.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

TEST(SingleInstanceTest, ASecondStartEndsAtOnceWhileTheFirstKeepsRunning) {
    // Both copies see the same home, settings and runtime folder, as two
    // starts by one user do.
    const TEditorProcessHome home;
    const QString sLock = home.Path(QStringLiteral("run/Brisola.lock"));

    QProcess first;
    first.setProcessEnvironment(home.Environment());
    first.start(QStringLiteral(BRISOLA_EDITOR_EXE), {});
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(WaitUntil([&] { return QFile::exists(sLock); }, 15000)) << "the first copy takes the lock";

    QProcess second;
    second.setProcessEnvironment(home.Environment());
    QElapsedTimer timer;
    timer.start();
    second.start(QStringLiteral(BRISOLA_EDITOR_EXE), {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_LT(timer.elapsed(), 5000);

    EXPECT_FALSE(first.waitForFinished(500)) << "the first copy is not disturbed";
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(5000);
}

} // namespace
