#include "ModelTestFiles.h"
#include "TProfileFile.h"
#include "TZEPProject.h"
#include "TextFile.h"

#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

class ProjectLoad : public ::testing::Test {
protected:
    // Writes the project file promo.zrj (and the given HTML files) and loads it.
    bool Load(const QByteArray& projectText, const QStringList& htmlFiles, bool bTemplateRequired = false) {
        sProject = dir.filePath("promo.zrj");
        WriteBytes(sProject, projectText);
        for (const QString& sName : htmlFiles) {
            WriteBytes(dir.filePath(sName), "hello\r\nworld\r\n");
        }
        TProfileFile file;
        EXPECT_TRUE(file.Open(sProject));
        project.sFullProjectName = sProject;
        return project.LoadFromIniFile(file, bTemplateRequired);
    }
    const TZEPInstance& Only() {
        EXPECT_EQ(project.InstanceList.Count(), 1);
        return project.InstanceList.Instance(0);
    }

    QTemporaryDir dir;
    QString sProject;
    TZEPProject project;
};

} // namespace

TEST(Instance, NewRecordIsEmptyAndUnnumbered) {
    TZEPProject project;
    const auto instance = project.CreateInstance();
    EXPECT_EQ(instance->Project(), &project);
    EXPECT_EQ(instance->iInstanceID, -1);
    EXPECT_EQ(instance->iWidth, 0);
    EXPECT_EQ(instance->iOpenAfterDelay, 0);
    EXPECT_EQ(instance->BorderColour, 0u);
    EXPECT_EQ(instance->EntryEffect, eeNone);
    EXPECT_EQ(instance->Location, ltManual);
    EXPECT_EQ(instance->bTitleSelected, 0);
    EXPECT_EQ(instance->iProbabilityPercent, 0);
    EXPECT_TRUE(instance->sTitle.isEmpty());
    EXPECT_TRUE(instance->ContentStrings.IsEmpty());
    EXPECT_EQ(FontToText(instance->Font), "(Tahoma,8,,FF000008)");
}

TEST(Locations, TextsMatchExactlyAfterTrimmingAndListAnchoredSecond) {
    EXPECT_EQ(LocationFromText(" Top left "), ltTopLeft);
    EXPECT_EQ(LocationFromText("top left"), ltManual);
    EXPECT_EQ(LocationFromText("Full width & height"), ltFullWidthAndHeight);
    EXPECT_EQ(TextFromLocation(ltRightBottom), "Right bottom");
    EXPECT_EQ(TextFromLocation(CLocation(15)), "");
    const QStringList names = LocationNames();
    ASSERT_EQ(names.size(), 15);
    EXPECT_EQ(names[0], "Manual");
    EXPECT_EQ(names[1], "Anchored");
    EXPECT_EQ(names[14], "Full width & height");
    EXPECT_EQ(EntryEffectNames()[eeBounce], "Drop-in & bounce");
    EXPECT_EQ(ExitEffectNames()[xeSlideOut], "Slide-out to right");
    EXPECT_EQ(InitialisationOptionNames()[ioNoInitialisation], "Do not initialise");
}

TEST_F(ProjectLoad, MinimalTemplateTakesTheFileDefaults) {
    ASSERT_TRUE(Load("[SYSTEM]\r\nTemplate=1\r\n[REFERENCE]\r\nUniqueID=promo\r\n", {"promo.html"}, true))
        << project.GetLastError().toStdString();
    EXPECT_EQ(project.bTemplate, 1);
    EXPECT_EQ(project.bMultipleInstances, 0);
    EXPECT_EQ(project.bIncludeDynamicFunctions, 1);
    EXPECT_EQ(project.bDynamicContent, 1);
    EXPECT_EQ(project.InitialisationOption, ioRunWhenPageLoaded);
    EXPECT_EQ(project.InstanceList.Caption(0), "promo");
    const TZEPInstance& o = Only();
    EXPECT_EQ(o.iInstanceID, -1);
    EXPECT_EQ(o.bTitleSelected, 1);
    EXPECT_EQ(o.sTitle, "Welcome to Brisola - getting started");
    EXPECT_FALSE(o.sURL.isEmpty());
    EXPECT_EQ(o.iWidth, 350);
    EXPECT_EQ(o.iHeight, 210);
    EXPECT_EQ(o.iTop, 10);
    EXPECT_EQ(o.iLeft, 25);
    EXPECT_EQ(o.iProbabilityPercent, 100);
    EXPECT_EQ(o.BorderColour, 0x808080u);
    EXPECT_EQ(o.ShadowColour, 0x808080u);
    EXPECT_EQ(o.TitleColour, 0xFFFF00u);     // cyan 00FFFF with red in the lowest byte
    EXPECT_EQ(o.TitleTextColour, 0x800000u); // navy
    EXPECT_EQ(o.BackgroundColour, 0xC0C0C0u);
    EXPECT_EQ(o.TextPanelColour, 0x004080u); // brown 804000
    EXPECT_EQ(o.Font, TFont());
    EXPECT_EQ(o.HTMLFile, QStringList({"hello", "world"}));
    EXPECT_TRUE(o.BinaryGraphicFiles.isEmpty());
}

TEST_F(ProjectLoad, MultipleInstancesUseNumberedSectionsAndHtmlFiles) {
    const QByteArray text = "[SYSTEM]\r\nTemplate=0\r\nInstances=2\r\n"
                            "[REFERENCE0]\r\nUniqueID=first\r\n[REFERENCE1]\r\nUniqueID=second\r\n"
                            "[SIZE_POSITION1]\r\nWidth=99\r\n";
    ASSERT_TRUE(Load(text, {"promo(0).html", "promo(1).html"})) << project.GetLastError().toStdString();
    ASSERT_EQ(project.InstanceList.Count(), 2);
    EXPECT_EQ(project.bMultipleInstances, 1);
    EXPECT_EQ(project.InstanceList.Instance(0).iInstanceID, 0);
    EXPECT_EQ(project.InstanceList.Instance(1).iInstanceID, 1);
    EXPECT_EQ(project.InstanceList.Caption(1), "second");
    EXPECT_EQ(project.InstanceList.Instance(0).iWidth, 350);
    EXPECT_EQ(project.InstanceList.Instance(1).iWidth, 99);
}

TEST_F(ProjectLoad, MissingReferenceSectionKeepsTheInstancesLoadedBefore) {
    project.bDynamicContent = 0;
    const QByteArray text =
        "[SYSTEM]\r\nInstances=2\r\n[REFERENCE0]\r\nUniqueID=first\r\n[OPTIONS]\r\nDynamicContent=1\r\n";
    EXPECT_FALSE(Load(text, {"promo(0).html", "promo(1).html"}));
    EXPECT_EQ(project.GetLastError(), "Object loading error <Instance 1 does not exist in this project>");
    ASSERT_EQ(project.InstanceList.Count(), 1);
    EXPECT_EQ(project.InstanceList.Caption(0), "first");
    EXPECT_EQ(project.bDynamicContent, 0); // options keep their previous values
}

TEST_F(ProjectLoad, NegativeInstanceCountIsASinglePopupProject) {
    ASSERT_TRUE(Load("[SYSTEM]\r\nInstances=-3\r\n[REFERENCE]\r\nUniqueID=x\r\n", {"promo.html"}));
    EXPECT_EQ(project.bMultipleInstances, 0);
    EXPECT_EQ(Only().iInstanceID, -1);
}

TEST_F(ProjectLoad, SinglePopupWithoutReferenceSectionFailsWithNumberMinusOne) {
    EXPECT_FALSE(Load("[SYSTEM]\r\nTemplate=1\r\n[REFERENCE]\r\n", {"promo.html"}));
    EXPECT_EQ(project.GetLastError(), "Object loading error <Instance -1 does not exist in this project>");
    EXPECT_TRUE(project.InstanceList.IsEmpty());
}

TEST_F(ProjectLoad, MissingHtmlFileFailsWithItsPath) {
    EXPECT_FALSE(Load("[REFERENCE]\r\nUniqueID=x\r\n", {}));
    EXPECT_EQ(project.GetLastError(),
              "Object loading error <Error loading HTML file <" + dir.filePath("promo.html") + ">>");
}

TEST_F(ProjectLoad, HtmlFileThatIsAPipeOrTooLargeIsRefusedWithoutReadingIt) {
    const QString sHtml = dir.filePath("promo.html");
    ASSERT_EQ(mkfifo(QFile::encodeName(sHtml).constData(), 0600), 0);
    EXPECT_FALSE(Load("[REFERENCE]\r\nUniqueID=x\r\n", {}));
    EXPECT_EQ(project.GetLastError(),
              "Object loading error <Error loading HTML file <" + sHtml + ">: it is not a regular file>");
    QFile::remove(sHtml);
    QFile large(sHtml);
    ASSERT_TRUE(large.open(QIODevice::WriteOnly) && large.resize(ciMaxTextFileSize + 1));
    large.close();
    EXPECT_FALSE(Load("[REFERENCE]\r\nUniqueID=x\r\n", {}));
    EXPECT_EQ(project.GetLastError(),
              "Object loading error <Error loading HTML file <" + sHtml + ">: it is larger than 64 MB>");
}

TEST_F(ProjectLoad, TemplateRequiredRefusesAProjectAndKeepsTheInstances) {
    ASSERT_TRUE(Load("[REFERENCE]\r\nUniqueID=kept\r\n", {"promo.html"}));
    EXPECT_FALSE(Load("[SYSTEM]\r\nTemplate=0\r\n[REFERENCE]\r\nUniqueID=other\r\n", {}, true));
    EXPECT_EQ(project.GetLastError(), "The file <" + sProject + "> is not a project template");
    EXPECT_EQ(Only().sUniqueID, "kept");
}

TEST_F(ProjectLoad, ColoursAreStoredWithRedAndBlueExchanged) {
    ASSERT_TRUE(Load("[REFERENCE]\r\nUniqueID=x\r\n[APPEARANCE]\r\nBorderColour=255\r\nShadowColour=$7F123456\r\n",
                     {"promo.html"}));
    EXPECT_EQ(Only().BorderColour, 0xFF0000u); // pure blue
    EXPECT_EQ(Only().ShadowColour, 0x563412u); // bits above 23 are ignored
}

TEST_F(ProjectLoad, CheckedEnumerationsStopTheLoadWithTheirMessage) {
    const struct {
        QByteArray line;
        QString sMessage;
    } cases[] = {
        {"[METHOD]\r\nEntryEffect=7", "Illegal value for Entry Effect"},
        {"[METHOD]\r\nEntryEffect=-1", "Illegal value for Entry Effect"},
        {"[METHOD]\r\nExitEffect=6", "Illegal value for Exit Effect"},
        {"[SIZE_POSITION]\r\nLocation=15", "Illegal value for Location"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Load("[REFERENCE]\r\nUniqueID=x\r\nTitle=T\r\n" + c.line + "\r\n", {"promo.html"}));
        EXPECT_EQ(project.GetLastError(), "Object loading error <" + c.sMessage + ">");
    }
}

TEST_F(ProjectLoad, IntegersAcceptHexadecimalAndFallBackToTheDefault) {
    ASSERT_TRUE(Load("[REFERENCE]\r\nUniqueID=x\r\nTitleSelected=\r\n[METHOD]\r\nEntryEffect=$3\r\nExitEffect=abc\r\n"
                     "[APPEARANCE]\r\nBorderColour=\r\nTitleColour=cyan\r\n[ADVANCED_METHODS]\r\nProbability= \r\n"
                     "[SIZE_POSITION]\r\nLocation=14\r\nWidth=\r\nHeight=12a\r\nTop=0x10\r\n"
                     "[ADDITIONAL_OPTIONS]\r\nAddedCode=5\r\nToolTip=7\r\n"
                     "[OPTIONS]\r\nInitialisationOption=258\r\nIncludeDynamicFunctions=0\r\nDynamicContent=\r\n",
                     {"promo.html"}));
    const TZEPInstance& o = Only();
    EXPECT_EQ(o.EntryEffect, eeSlideIn);
    EXPECT_EQ(o.ExitEffect, xeNone);
    EXPECT_EQ(o.Location, ltAnchored);
    EXPECT_EQ(o.iWidth, 350);
    EXPECT_EQ(o.iHeight, 210);
    EXPECT_EQ(o.iTop, 16);
    EXPECT_EQ(o.bToolTip, 1); // any non-zero flag value is on, held as exactly 1
    // Empty or unreadable values of every kind but text take the key's default.
    EXPECT_EQ(o.bTitleSelected, 1);
    EXPECT_EQ(o.BorderColour, 0x808080u);
    EXPECT_EQ(o.TitleColour, 0xFFFF00u);
    EXPECT_EQ(o.iProbabilityPercent, 100);
    EXPECT_EQ(project.bDynamicContent, 1);
    EXPECT_EQ(project.AddedCodeOption, acNoAddedCode);
    EXPECT_EQ(project.InitialisationOption, CInitialisationOptions(2)); // low 8 bits kept
    EXPECT_EQ(project.bIncludeDynamicFunctions, 0);
}

TEST_F(ProjectLoad, EmptyTextIsReadAsEmptyWhileAMissingTextTakesTheDefault) {
    ASSERT_TRUE(Load("[REFERENCE]\r\nUniqueID=x\r\nTitle=\r\n[ADVANCED_APPEARANCE]\r\nFont=\r\n", {"promo.html"}));
    EXPECT_EQ(Only().sTitle, "");
    EXPECT_EQ(Only().sURL, "https://brisola.example/");
    EXPECT_EQ(Only().Font, TFont());
}

TEST_F(ProjectLoad, VideoIsNeverReadAndFontIsParsed) {
    ASSERT_TRUE(Load("[SYSTEM]\r\nVideo=1\r\n[REFERENCE]\r\nUniqueID=x\r\n"
                     "[ADVANCED_APPEARANCE]\r\nFont=(Verdana,12,BI,00FF0000)\r\n",
                     {"promo.html"}));
    EXPECT_EQ(Only().bVideo, 0);
    EXPECT_EQ(Only().Font.sName, "Verdana");
    EXPECT_TRUE(Only().Font.bItalic);
}

TEST_F(ProjectLoad, AttachedFileNamesStopAtTheFirstEmptyValue) {
    ASSERT_TRUE(Load("[REFERENCE]\r\nUniqueID=x\r\n[ATTACHED_FILES]\r\nFile1= a.gif \r\nFile2=img/b.png\r\nFile3=\r\n"
                     "File4=lost.gif\r\n",
                     {"promo.html"}));
    EXPECT_EQ(Only().BinaryGraphicFiles, QStringList({"a.gif", "img/b.png"}));
}

TEST_F(ProjectLoad, UnreadableContentFileFailsTheLoadAndKeepsTheInstances) {
    ASSERT_TRUE(Load("[REFERENCE]\r\nUniqueID=kept\r\n", {"promo.html"}));
    QDir(dir.path()).mkdir("promo_ZEPcontent.js"); // exists, but cannot be read as a file
    EXPECT_FALSE(Load("[REFERENCE]\r\nUniqueID=other\r\n", {}));
    EXPECT_EQ(project.GetLastError(),
              "Error loading content file <" + dir.filePath("promo_ZEPcontent.js") + ">: it is not a regular file");
    EXPECT_EQ(Only().sUniqueID, "kept");
}

TEST(SampleProject, TheRunScriptsDefaultProjectLoads) {
    TZEPProject project;
    project.sFullProjectName = BRISOLA_TEST_DATA_DIR "/model_sample/sample.zrj";
    TProfileFile file(project.sFullProjectName);
    ASSERT_TRUE(project.LoadFromIniFile(file, false)) << project.GetLastError().toStdString();
    ASSERT_EQ(project.InstanceList.Count(), 2);
    EXPECT_EQ(project.InstanceList.Caption(1), "offer");
    EXPECT_EQ(project.InstanceList.Instance(1).Location, ltBottomFullWidth);
}
