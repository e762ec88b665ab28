#include "InstanceExport.h"
#include "ModelTestFiles.h"
#include "ProjectFiles.h"
#include "TProfileFile.h"
#include "TZEPProject.h"

#include <QTemporaryDir>

namespace {

// A saved two-popup project in one folder; the second popup has a layer and
// an attached picture.
class InstanceExport : public ::testing::Test {
protected:
    void SetUp() override {
        project.sFullProjectName = dir.filePath("site/multi.zrj");
        project.sLoadedProjectPath = ProjectDirectory(project.sFullProjectName);
        project.bMultipleInstances = 1;
        project.bTurnOffAudio = 1;
        project.bStrictCSP = 1;
        AddInstance("first");
        TZEPInstance& second = AddInstance("second");
        second.BinaryGraphicFiles = {"btn.gif"};
        second.ContentStrings.AddContent(second, "\"layer one\"", second.GetContentIndex(), 1);
        second.ContentStrings.Item(1).sAPISpecificLinkText = "Open layer one";
        WriteBytes(dir.filePath("site/btn.gif"), "GIF89a");
        TProfileFile file(project.sFullProjectName);
        ASSERT_TRUE(project.SaveToIniFile(file) && file.UpdateFile()) << project.GetLastError().toStdString();
    }
    TZEPInstance& AddInstance(const QString& sUniqueID) {
        auto oInstance = project.CreateInstance();
        oInstance->sUniqueID = sUniqueID;
        oInstance->HTMLFile = {"<b>" + sUniqueID + "</b>"};
        oInstance->iWidth = 200;
        oInstance->iHeight = 100;
        oInstance->UpdateContentFromHTML();
        return project.InstanceList.Add(std::move(oInstance));
    }
    bool Load(const QString& sPath, TZEPProject& loaded) {
        loaded.sFullProjectName = sPath;
        TProfileFile file(sPath);
        return loaded.LoadFromIniFile(file, false);
    }

    QTemporaryDir dir;
    TZEPProject project;
};

} // namespace

TEST_F(InstanceExport, WritesALoadableSinglePopupProjectWithHtmlLayersAndAttachedFiles) {
    const QString sPath = dir.filePath("out/second.zrj");
    QDir().mkpath(dir.filePath("out"));
    QString sError;
    ASSERT_TRUE(SaveInstanceAsProject(project, 1, sPath, sError)) << sError.toStdString();

    EXPECT_EQ(ReadWholeFile(dir.filePath("out/second.html")), "<b>second</b>\r\n");
    EXPECT_EQ(ReadWholeFile(dir.filePath("out/btn.gif")), "GIF89a");
    TZEPProject loaded;
    ASSERT_TRUE(Load(sPath, loaded)) << loaded.GetLastError().toStdString();
    EXPECT_EQ(loaded.bMultipleInstances, 0);
    EXPECT_EQ(loaded.bTurnOffAudio, 1) << "the project's options go with the popup";
    EXPECT_EQ(loaded.bStrictCSP, 1);
    ASSERT_EQ(loaded.InstanceList.Count(), 1);
    const TZEPInstance& single = loaded.InstanceList.Instance(0);
    EXPECT_EQ(single.iInstanceID, -1);
    EXPECT_EQ(single.sUniqueID, "second");
    EXPECT_EQ(single.BinaryGraphicFiles, QStringList{"btn.gif"});
    ASSERT_EQ(single.ContentStrings.Count(), 2) << "the layer survives in the content file";
    const TContentItem* layer = single.GetContentObjectForID(1);
    ASSERT_NE(layer, nullptr);
    EXPECT_EQ(layer->sHTML, "\"layer one\"");
    EXPECT_EQ(layer->sAPISpecificLinkText, "Open layer one");
}

TEST_F(InstanceExport, TheInstanceStaysInItsProjectWithCaptionAndNumber) {
    project.InstanceList.SetCaption(1, "old caption");
    project.InstanceList.Instance(1).iInstanceID = 7;
    QString sError;
    ASSERT_TRUE(SaveInstanceAsProject(project, 1, dir.filePath("second.zrj"), sError));
    ASSERT_EQ(project.InstanceList.Count(), 2);
    EXPECT_EQ(project.InstanceList.Caption(1), "old caption");
    EXPECT_EQ(project.InstanceList.Instance(1).iInstanceID, 7);
    EXPECT_EQ(project.InstanceList.Instance(1).Project(), &project);
    EXPECT_EQ(project.InstanceList.Instance(0).sUniqueID, "first");
}

TEST_F(InstanceExport, ReplacingAProjectLeavesNothingOfIt) {
    const QString sPath = dir.filePath("old.zrj");
    WriteBytes(sPath,
               "[SYSTEM]\r\nTemplate=1\r\nInstances=3\r\n[REFERENCE2]\r\nUniqueID=stale\r\n[EXTRA]\r\nKey=1\r\n");
    QString sError;
    ASSERT_TRUE(SaveInstanceAsProject(project, 0, sPath, sError));
    TProfileFile written(sPath);
    EXPECT_FALSE(written.SectionExists("REFERENCE2"));
    EXPECT_FALSE(written.SectionExists("EXTRA"));
    EXPECT_EQ(written.ReadInteger("SYSTEM", "Instances", -5), 0);
    EXPECT_EQ(written.ReadInteger("SYSTEM", "Template", -5), 0);
    TZEPProject loaded;
    ASSERT_TRUE(Load(sPath, loaded));
    EXPECT_EQ(loaded.InstanceList.Instance(0).sUniqueID, "first");
}

TEST_F(InstanceExport, AFolderThatCannotBeWrittenFailsAndKeepsTheInstance) {
    QString sError;
    EXPECT_FALSE(SaveInstanceAsProject(project, 1, dir.filePath("missing/folder/x.zrj"), sError));
    EXPECT_FALSE(sError.isEmpty());
    EXPECT_EQ(project.InstanceList.Count(), 2);
    EXPECT_EQ(project.InstanceList.Instance(1).sUniqueID, "second");
}
