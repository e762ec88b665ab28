#include "MultiPopupRules.h"
#include "ProjectFiles.h"
#include "ProjectTestSupport.h"
#include "TInstanceTabs.h"
#include "TMultiPopupModeForm.h"
#include "TProfileFile.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// A project main.zrj in proj/ with popups, its tab strip, and a template folder.
class MultiPopupMode : public ::testing::Test {
protected:
    void SetUp() override {
        Project.sFullProjectName = Path("proj/main.zrj");
        Project.sLoadedProjectPath = ProjectDirectory(Project.sFullProjectName);
        QDir().mkpath(Path("proj"));
        Folders.sUserTemplatePath = Path("templates/");
        Folders.sBaseTemplatePath = Path("base/");
        Folders.sBaseLocation = Path("projects/");
    }
    QString Path(const QString& sRelative) const { return Dir.filePath(sRelative); }
    void AddPopups(const QStringList& uids) {
        Project.bMultipleInstances = uids.size() > 1 ? 1 : 0;
        for (const QString& sUid : uids) {
            Project.InstanceList.Add(NewPopup(Project, sUid));
            if (Project.bMultipleInstances)
                Project.InstanceList.Instance(Project.InstanceList.Count() - 1).iInstanceID =
                    Project.InstanceList.Count() - 1;
        }
        Tabs.Refill();
    }
    QString Template(const QString& sUid, const std::function<void(TZEPInstance&)>& change = {}) {
        const QString sPath = Path("templates/" + sUid + ".zrj");
        EXPECT_TRUE(WriteSinglePopupProject(sPath, sUid, change));
        return sPath;
    }
    // Opens the dialog with the mode and runs the action inside it.
    int Run(bool bMode, const std::function<void()>& action, QPushButton* closeButton) {
        Script.ExpectDialogRun("MultiPopupModeForm", action, closeButton);
        return Form.ShowModal(bMode, Tabs, Folders);
    }
    QStringList Captions() const {
        QStringList captions;
        for (int i = 0; i < TabBar.count(); ++i)
            captions << TabBar.tabText(i);
        return captions;
    }

    QTemporaryDir Dir;
    TZEPProject Project;
    QTabBar TabBar;
    TInstanceTabs Tabs{TabBar, Project};
    TMultiPopupFolders Folders;
    TScriptedServices Services{Dir.filePath("store.ini")};
    TDialogScript Script{Services};
    TMultiPopupModeForm Form{Services};
};

TEST_F(MultiPopupMode, OnePopupShowsOnlyTheSwitchUntilItIsChecked) {
    AddPopups({"first"});
    Run(
        false,
        [this] {
            EXPECT_EQ(Form.windowTitle(), "Multiple Instances");
            EXPECT_EQ(Form.height(), 169);
            EXPECT_FALSE(Form.EditingGroup->isVisible());
            EXPECT_TRUE(Form.EnableMultiplePopupBox->isEnabled());
            EXPECT_EQ(Form.ModeGroup->title(), " Multiple Simultaneous Instance Generation ");
            Form.EnableMultiplePopupBox->click();
            EXPECT_EQ(Form.height(), 320);
            EXPECT_TRUE(Form.EditingGroup->isVisible());
            EXPECT_EQ(Form.EditingGroup->title(), "Manage Instances");
            EXPECT_EQ(Form.DeleteLabel->text(), "Cannot delete unless there is more than one instance");
            EXPECT_EQ(Form.RemoveLabel->text(), "Cannot remove unless there is more than one instance");
            EXPECT_FALSE(Form.DeleteBtn->isEnabled());
            EXPECT_FALSE(Form.RemovetBtn->isEnabled());
            EXPECT_TRUE(Form.AddBtn->isEnabled());
            Form.EnableMultiplePopupBox->click();
            EXPECT_EQ(Form.height(), 169);
        },
        Form.CancelBtn);
    EXPECT_TRUE(Form.CancelBtn->isEnabled());
}

TEST_F(MultiPopupMode, ThreePopupsLockTheSwitchAndNameTheSelectedOne) {
    AddPopups({"first", "second", "third"});
    TabBar.setCurrentIndex(1);
    EXPECT_EQ(Run(
                  true,
                  [this] {
                      EXPECT_FALSE(Form.EnableMultiplePopupBox->isEnabled());
                      EXPECT_EQ(Form.DeleteLabel->text(),
                                "Delete instance \"second\" and remove it from the current project:");
                      EXPECT_EQ(Form.RemoveLabel->text(), "Remove instance \"second\" from the current project but "
                                                          "save it to a separate file:");
                      EXPECT_TRUE(Form.DeleteBtn->isEnabled());
                      EXPECT_TRUE(Form.RemovetBtn->isEnabled());
                  },
                  Form.OKBtn),
              QDialog::Accepted);
}

struct TRefusalCase {
    const char* sName;
    std::function<void(TZEPInstance&)> Existing;
    std::function<void(TZEPInstance&)> Added;
    QString sMessage;
};

class MultiPopupRefusal : public MultiPopupMode, public ::testing::WithParamInterface<TRefusalCase> {};

TEST_P(MultiPopupRefusal, LeavesTheProjectAsItWas) {
    const TRefusalCase& c = GetParam();
    AddPopups({"first", "second"});
    c.Existing(Project.InstanceList.Instance(1));
    const QString sFile = Template("added", c.Added);
    Script.ExpectFileDialog("Open", sFile);
    Script.ExpectQuestion(c.sMessage, QMessageBox::Cancel);
    Run(
        true, [this] { Form.AddBtn->click(); }, Form.OKBtn);
    EXPECT_EQ(Captions(), (QStringList{"first", "second"}));
    EXPECT_EQ(Project.InstanceList.Count(), 2);
    EXPECT_TRUE(Form.CancelBtn->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MultiPopupRefusal,
    ::testing::Values(
        TRefusalCase{"SecondTooltip", [](TZEPInstance& o) { o.bToolTip = 1; }, [](TZEPInstance& o) { o.bToolTip = 1; },
                     sSecondTooltip},
        TRefusalCase{"TooltipBeforeModal", [](TZEPInstance& o) { o.bToolTip = 1; },
                     [](TZEPInstance& o) {
                         o.bToolTip = 1;
                         o.bModal = 1;
                     },
                     sSecondTooltip},
        TRefusalCase{"SecondOnExit", [](TZEPInstance& o) { o.bOnExit = 1; }, [](TZEPInstance& o) { o.bOnExit = 1; },
                     "This project can not be added as it uses the OnExit feature and this feature is already being "
                     "used.\r\nChange one of these features and try again"},
        TRefusalCase{"SecondModal", [](TZEPInstance& o) { o.bModal = 1; }, [](TZEPInstance& o) { o.bModal = 1; },
                     "This project can not be added as it uses the Modal feature and this feature is already being "
                     "used.\r\nChange one of these features and try again"}),
    [](const ::testing::TestParamInfo<TRefusalCase>& info) { return std::string(info.param.sName); });

TEST_F(MultiPopupMode, AProjectOfSeveralPopupsIsNotAdded) {
    AddPopups({"first"});
    const QString sFile = Path("templates/multi.zrj");
    WriteFileBytes(sFile, "[SYSTEM]\r\nTemplate=0\r\nInstances=2\r\n");
    Script.ExpectFileDialog("Open", sFile);
    Script.ExpectQuestion("This project canot be added as it is not a single instance project", QMessageBox::Cancel);
    Run(
        true, [this] { Form.AddBtn->click(); }, Form.CancelBtn);
    EXPECT_EQ(Project.InstanceList.Count(), 1);
}

TEST_F(MultiPopupMode, AFileThatDoesNotLoadIsReportedAndACancelledDialogDoesNothing) {
    AddPopups({"first"});
    const QString sFile = Path("templates/broken.zrj");
    WriteFileBytes(sFile, "[SYSTEM]\r\nTemplate=0\r\n");
    Script.ExpectFileDialog("Open", QString());
    Script.ExpectFileDialog("Open", Path("templates/missing.zrj"));
    Script.ExpectFileDialog("Open", sFile);
    Script.ExpectQuestion("Error importing Instance <Instance -1 does not exist in this project>", QMessageBox::Cancel);
    Run(
        true,
        [this] {
            for (int i = 0; i < 3; ++i)
                Form.AddBtn->click();
        },
        Form.CancelBtn);
    EXPECT_EQ(Project.InstanceList.Count(), 1);
}

TEST_F(MultiPopupMode, AnAddedPopupIsLastNumberedByTheTabCountWithItsFiles) {
    AddPopups({"first"});
    const QString sFile = Template("offer", [](TZEPInstance& o) { o.BinaryGraphicFiles = {"offer.gif"}; });
    WriteFileBytes(Path("templates/offer.gif"), "GIF89a");
    // A project file without "Instances" is a single-popup project too.
    const QString sBare = Path("templates/bare.zrj");
    WriteFileBytes(sBare, "[SYSTEM]\r\nTemplate=1\r\n[REFERENCE]\r\nUniqueID=bare\r\n");
    WriteFileBytes(Path("templates/bare.html"), "<p>bare</p>\r\n");
    Script.ExpectFileDialog("Open", sFile);
    Script.ExpectFileDialog("Open", sBare);
    Run(
        true,
        [this] {
            Form.AddBtn->click();
            EXPECT_FALSE(Form.CancelBtn->isEnabled());
            QTest::keyClick(&Form, Qt::Key_Escape);
            EXPECT_TRUE(Form.isVisible()) << "after a change only OK closes the dialog";
            EXPECT_FALSE(Form.EnableMultiplePopupBox->isEnabled());
            Form.AddBtn->click();
        },
        Form.OKBtn);
    EXPECT_EQ(Services.FileRequests.first().sStartFolder, Path("templates/"));
    EXPECT_EQ(Services.FileRequests.first().sFilter, "ZEP Project Files|*.zrj|All FIles|*.*");
    EXPECT_EQ(Captions(), (QStringList{"first", "offer", "bare"}));
    EXPECT_EQ(Project.InstanceList.Instance(1).iInstanceID, 1);
    EXPECT_EQ(Project.InstanceList.Instance(2).iInstanceID, 2);
    EXPECT_EQ(Project.InstanceList.Instance(1).HTMLFile, QStringList{"<p>offer</p>"});
    EXPECT_EQ(ReadWholeFile(Path("proj/offer.gif")), "GIF89a");
    EXPECT_EQ(QDir(Folders.sUserTemplatePath), QDir(Path("templates")));
}

TEST_F(MultiPopupMode, DeleteAsksThenSelectsTheLastTabAndTheSaveRenumbers) {
    AddPopups({"first", "second", "third"});
    TabBar.setCurrentIndex(0);
    QSignalSpy changes(&TabBar, &QTabBar::currentChanged);
    const QString sQuestion = "You are about to delete instance <first>.\r\nAre you sure you wish to continue?";
    Script.ExpectQuestion(sQuestion, QMessageBox::No);
    Script.ExpectQuestion(sQuestion, QMessageBox::Yes);
    Run(
        true,
        [this] {
            Form.DeleteBtn->click();
            EXPECT_EQ(Project.InstanceList.Count(), 3) << "No keeps the popup";
            EXPECT_TRUE(Form.CancelBtn->isEnabled());
            Form.DeleteBtn->click();
            EXPECT_EQ(Form.DeleteLabel->text(), "Delete instance \"third\" and remove it from the current project:");
        },
        Form.OKBtn);
    EXPECT_EQ(Captions(), (QStringList{"second", "third"}));
    EXPECT_EQ(TabBar.currentIndex(), 1);
    EXPECT_GE(changes.count(), 1) << "the editor shows the newly selected tab";
    EXPECT_FALSE(Form.CancelBtn->isEnabled());
    EXPECT_EQ(Project.InstanceList.Instance(0).iInstanceID, 1) << "numbers wait for the save";

    TProfileFile file(Project.sFullProjectName);
    ASSERT_TRUE(Project.SaveToIniFile(file) && file.UpdateFile()) << Project.GetLastError().toStdString();
    EXPECT_EQ(Project.InstanceList.Instance(0).iInstanceID, 0);
    EXPECT_EQ(Project.InstanceList.Instance(1).iInstanceID, 1);
    TProfileFile saved(Project.sFullProjectName);
    EXPECT_EQ(saved.ReadInteger("SYSTEM", "Instances", 0), 2);
    EXPECT_EQ(saved.ReadString("REFERENCE0", "UniqueID", ""), "second");
    EXPECT_EQ(saved.ReadString("REFERENCE1", "UniqueID", ""), "third");
    EXPECT_EQ(ReadWholeFile(Path("proj/main(1).html")), "<p>third</p>\r\n");
}

TEST_F(MultiPopupMode, RemoveIntoTheTemplateFolderIsOnlyLogged) {
    AddPopups({"first", "second"});
    QDir().mkpath(Path("base"));
    QSignalSpy log(&Form, &TMultiPopupModeForm::LogLine);
    Script.ExpectFileDialog("Save instance as project...", Dir.path() + "/BASE/second.zrj");
    Run(
        true, [this] { Form.RemovetBtn->click(); }, Form.OKBtn);
    ASSERT_EQ(log.count(), 1);
    EXPECT_EQ(log.at(0).at(0).toString(), "Project can not be saved in Template directory");
    EXPECT_EQ(Project.InstanceList.Count(), 2);
    EXPECT_EQ(Services.FileRequests.first().sStartFolder, Path("projects/"))
        << "the save dialog starts in the base location";
}

TEST_F(MultiPopupMode, RemoveWritesTheSelectedPopupAsAProjectThatLoadsAndCompiles) {
    AddPopups({"first", "second"});
    Project.InstanceList.Instance(1).bOnClick = 1;
    Project.InstanceList.Instance(1).BinaryGraphicFiles = {"btn.gif"};
    WriteFileBytes(Path("proj/btn.gif"), "GIF89a");
    TabBar.setCurrentIndex(1);
    const QString sTarget = Path("out/second.zrj");
    WriteFileBytes(sTarget, "[OLD]\r\nKey=1\r\n");
    Script.ExpectFileDialog("Save instance as project...", Path("out/second.zrj"));
    Script.ExpectQuestion("File <" + sTarget + "> already exists - Overwrite?", QMessageBox::Yes);
    QSignalSpy changes(&TabBar, &QTabBar::currentChanged);
    Run(
        true, [this] { Form.RemovetBtn->click(); }, Form.OKBtn);
    EXPECT_EQ(Services.FileRequests.first().sStartFolder, Path("projects/"));
    EXPECT_EQ(Services.FileRequests.first().sDefaultSuffix, "zrj");
    EXPECT_EQ(Captions(), QStringList{"first"});
    EXPECT_GE(changes.count(), 1) << "the editor shows the newly selected tab";
    EXPECT_FALSE(Form.CancelBtn->isEnabled());

    TZEPProject removed;
    removed.sFullProjectName = sTarget;
    ASSERT_TRUE(removed.LoadFromIniFile(TProfileFile(sTarget), false)) << removed.GetLastError().toStdString();
    ASSERT_EQ(removed.InstanceList.Count(), 1);
    EXPECT_EQ(removed.InstanceList.Instance(0).sUniqueID, "second");
    EXPECT_EQ(ReadWholeFile(Path("out/second.html")), "<p>second</p>\r\n");
    EXPECT_EQ(ReadWholeFile(Path("out/btn.gif")), "GIF89a");

    QProcess compile;
    compile.start(QStringLiteral(BRISOLA_COMPILE_PROGRAM), {sTarget});
    ASSERT_TRUE(compile.waitForFinished(60000));
    EXPECT_EQ(compile.exitCode(), 0) << compile.readAllStandardError().toStdString();
    EXPECT_TRUE(QFileInfo::exists(Path("out/second.js")));
    EXPECT_TRUE(QFileInfo::exists(Path("out/second_Preview.html")));
}

TEST_F(MultiPopupMode, DeclinedOverwriteOrCancelledSaveKeepsThePopup) {
    AddPopups({"first", "second"});
    const QString sTarget = Path("out/second.zrj");
    WriteFileBytes(sTarget, "[OLD]\r\nKey=1\r\n");
    Script.ExpectFileDialog("Save instance as project...", QString());
    Script.ExpectFileDialog("Save instance as project...", sTarget);
    Script.ExpectQuestion("File <" + sTarget + "> already exists - Overwrite?", QMessageBox::No);
    Run(
        true,
        [this] {
            Form.RemovetBtn->click();
            Form.RemovetBtn->click();
        },
        Form.CancelBtn);
    EXPECT_EQ(Project.InstanceList.Count(), 2);
    EXPECT_EQ(ReadWholeFile(sTarget), "[OLD]\r\nKey=1\r\n");
    EXPECT_TRUE(Form.CancelBtn->isEnabled());
}

} // namespace
