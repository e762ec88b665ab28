#include "EditorTestEnvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// Both copies see the same home, settings and runtime folder, as two starts
// by one user do.
QProcessEnvironment SandboxEnvironment(const QTemporaryDir& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("run")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

TEST(SingleInstanceTest, ASecondStartEndsAtOnceWhileTheFirstKeepsRunning) {
    QTemporaryDir home;
    QDir().mkpath(home.filePath(QStringLiteral("run")));
    QFile::setPermissions(home.filePath(QStringLiteral("run")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString sLock = home.filePath(QStringLiteral("run/Brisola.lock"));

    QProcess first;
    first.setProcessEnvironment(SandboxEnvironment(home));
    first.start(QStringLiteral(BRISOLA_EDITOR_EXE), {});
    ASSERT_TRUE(first.waitForStarted(5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(sLock); }, 15000)) << "the first copy takes the lock";

    QProcess second;
    second.setProcessEnvironment(SandboxEnvironment(home));
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
