#include "ModelTestFiles.h"
#include "TProfileFile.h"
#include "TZEPProject.h"

#include <QTemporaryDir>

#include <map>

namespace {

// A saved multi-popup project of three popups, whose files a second save
// must leave alone unless their bytes change.
class SaveWritesChangedFiles : public ::testing::TestWithParam<quint8> {
protected:
    void SetUp() override {
        project.sFullProjectName = dir.filePath("promo.zrj");
        project.sLoadedProjectPath = dir.path() + '/';
        project.bMultipleInstances = 1;
        project.bDynamicContent = GetParam();
        for (const char* sUniqueID : {"one", "two", "three"}) {
            auto oInstance = project.CreateInstance();
            oInstance->sUniqueID = sUniqueID;
            oInstance->HTMLFile = {QString("<b>") + sUniqueID + "</b>"};
            oInstance->UpdateContentFromHTML();
            project.InstanceList.Add(std::move(oInstance));
        }
        ASSERT_TRUE(Save()) << project.GetLastError().toStdString();
        for (const QString& sName : Files()) {
            Before[sName] = AgedFileIdentity(dir.filePath(sName));
        }
    }
    bool Save() {
        TProfileFile file(project.sFullProjectName);
        return project.SaveToIniFile(file) && file.UpdateFile();
    }
    QStringList Files() const {
        QStringList names = {"promo.zrj", "promo(0).html", "promo(1).html", "promo(2).html"};
        if (project.bDynamicContent) {
            names.append("promo_ZEPcontent.js");
        }
        return names;
    }
    // The files whose inode or time stamp differ from before the second save.
    QStringList Rewritten() const {
        QStringList names;
        for (const QString& sName : Files()) {
            if (!(FileIdentity(dir.filePath(sName)) == Before.at(sName))) {
                names.append(sName);
            }
        }
        return names;
    }
    void ChangeSecondPopup() {
        TZEPInstance& second = project.InstanceList.Instance(1);
        second.HTMLFile = {"<i>changed</i>"};
        second.UpdateContentFromHTML();
    }

    QTemporaryDir dir;
    TZEPProject project;
    std::map<QString, TFileIdentity> Before;
};

} // namespace

TEST_P(SaveWritesChangedFiles, UnchangedProjectWritesNothingAndSucceeds) {
    ASSERT_TRUE(Save()) << project.GetLastError().toStdString();
    EXPECT_EQ(Rewritten(), QStringList());
}

TEST_P(SaveWritesChangedFiles, ChangedHTMLRewritesOnlyItsFileTheContentFileAndTheProjectFile) {
    ChangeSecondPopup();
    ASSERT_TRUE(Save()) << project.GetLastError().toStdString();
    QStringList expected = {"promo.zrj", "promo(1).html"};
    if (project.bDynamicContent) {
        expected.append("promo_ZEPcontent.js");
    }
    EXPECT_EQ(Rewritten(), expected);
    EXPECT_EQ(ReadWholeFile(dir.filePath("promo(1).html")), "<i>changed</i>\r\n");
}

TEST_P(SaveWritesChangedFiles, ReadOnlySideFilesThatStayTheSameDoNotStopTheSave) {
    for (const QString& sName : Files().mid(1)) {
        MakeReadOnly(dir.filePath(sName));
    }
    project.InstanceList.Instance(0).iTryOnce = 5; // only the project file changes
    ASSERT_TRUE(Save()) << project.GetLastError().toStdString();
    EXPECT_EQ(Rewritten(), QStringList{"promo.zrj"});
}

TEST_P(SaveWritesChangedFiles, ChangedReadOnlyHTMLFileFailsAndLeavesTheOtherFilesWhole) {
    const QString sHTMLFile = dir.filePath("promo(1).html");
    MakeReadOnly(sHTMLFile);
    ChangeSecondPopup();
    EXPECT_FALSE(Save());
    EXPECT_EQ(project.GetLastError(), "Object saving error <Error saving HTML file <" + sHTMLFile + ">>");
    EXPECT_EQ(ReadWholeFile(sHTMLFile), "<b>two</b>\r\n");
    EXPECT_EQ(Rewritten(), QStringList());
}

TEST_P(SaveWritesChangedFiles, ChangedReadOnlyContentFileFailsWithItsMessage) {
    if (!project.bDynamicContent) {
        GTEST_SKIP() << "no content file without dynamic content";
    }
    const QString sContentFile = dir.filePath("promo_ZEPcontent.js");
    const QByteArray before = ReadWholeFile(sContentFile);
    MakeReadOnly(sContentFile);
    ChangeSecondPopup();
    EXPECT_FALSE(Save());
    EXPECT_EQ(project.GetLastError(), "Content saving error <" + sContentFile + ">");
    EXPECT_EQ(ReadWholeFile(sContentFile), before);
    EXPECT_EQ(Rewritten(), QStringList{"promo(1).html"}); // written before the content file; the project file is not
}

INSTANTIATE_TEST_SUITE_P(DynamicContent, SaveWritesChangedFiles, ::testing::Values(quint8(0), quint8(1)),
                         [](const auto& info) { return info.param ? "On" : "Off"; });
