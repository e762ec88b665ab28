// A killed editor loses nothing: a child process changes a field and is
// killed; the next start offers the journalled changes, and the project
// folder is as it was.
#include "MainFormTestSupport.h"

#include "LoopWait.h"
#include "TZEPInstance.h"

#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QProcess>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// Every file of the folder with its size, modification time and bytes.
QStringList FolderState(const QString& sFolder) {
    QStringList state;
    QDirIterator it(sFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo file(it.next());
        state << file.filePath() + u' ' + QString::number(file.size()) + u' ' +
                     file.lastModified().toString(Qt::ISODateWithMs) + u' ' +
                     QString::fromLatin1(ReadWholeFile(file.filePath()).toHex());
    }
    state.sort();
    return state;
}

QString RecoveryQuestion(const QString& sProject) {
    return QStringLiteral("Brisola closed before the changes to <") + sProject +
           QStringLiteral("> were saved. Recover them?");
}

TEST(CrashRecovery, AKilledEditorsChangeIsRecoveredOrDiscardedAndTheFolderIsUntouched) {
    TMainFormEnvironment Env;
    const QString sFolder = Env.Path(QStringLiteral("site"));
    const QString sProject = sFolder + QStringLiteral("/promo.zrj");
    QDir().mkpath(sFolder);
    TTestEnvironment::WriteProject(sProject, false);
    const QStringList before = FolderState(sFolder);
    const QString sSavedTitle = [&] {
        auto form = Env.CreateMainForm({sProject});
        return form->CurrentInstance()->sTitle;
    }();

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(BRISOLA_CRASH_CHILD_EXE), {Env.Path(QString()), sProject, QStringLiteral("Rescued")});
    ASSERT_TRUE(child.waitForReadyRead(60000)) << "the child never changed the field";
    LetTimePass(3000);
    ::kill(pid_t(child.processId()), SIGKILL);
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_EQ(FolderState(sFolder), before) << "the project folder is as it was before the change";

    Env.Services.ExpectChoice(RecoveryQuestion(sProject), QStringLiteral("Recover"));
    auto recovered = Env.CreateMainForm();
    ASSERT_TRUE(recovered);
    EXPECT_EQ(recovered->CurrentProject().sFullProjectName, sProject);
    EXPECT_EQ(recovered->CurrentInstance()->sTitle, QStringLiteral("Rescued"));
    EXPECT_EQ(recovered->findChild<QLineEdit*>(QStringLiteral("TitleEdit"))->text(), QStringLiteral("Rescued"));
    EXPECT_TRUE(recovered->IsEdited());
    EXPECT_TRUE(recovered->windowTitle().endsWith(QStringLiteral(" (unsaved)")));
    recovered.reset(); // gone without closing: the journal stays

    Env.Services.ExpectChoice(RecoveryQuestion(sProject), QStringLiteral("Discard"));
    auto discarded = Env.CreateMainForm();
    ASSERT_TRUE(discarded);
    EXPECT_EQ(discarded->CurrentProject().sFullProjectName, sProject);
    EXPECT_EQ(discarded->CurrentInstance()->sTitle, sSavedTitle);
    EXPECT_FALSE(discarded->IsEdited());
    discarded.reset();
    EXPECT_TRUE(Env.CreateMainForm()) << "nothing left to ask about";
    EXPECT_EQ(FolderState(sFolder), before);
}

} // namespace
