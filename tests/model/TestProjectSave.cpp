#include "ModelTestFiles.h"
#include "ProjectFiles.h"
#include "TProfileFile.h"
#include "TZEPProject.h"

#include <QTemporaryDir>

namespace {

class ProjectSave : public ::testing::Test {
protected:
    void SetUp() override { project.sFullProjectName = dir.filePath("promo.zrj"); }

    TZEPInstance& AddInstance(const QString& sUniqueID) {
        auto oInstance = project.CreateInstance();
        oInstance->sUniqueID = sUniqueID;
        oInstance->HTMLFile = {"<b>" + sUniqueID + "</b>"};
        oInstance->UpdateContentFromHTML();
        return project.InstanceList.Add(std::move(oInstance));
    }
    bool Save() {
        TProfileFile file(project.sFullProjectName);
        return project.SaveToIniFile(file) && file.UpdateFile();
    }
    bool Reload(TZEPProject& loaded) {
        loaded.sFullProjectName = project.sFullProjectName;
        TProfileFile file(project.sFullProjectName);
        return loaded.LoadFromIniFile(file, false);
    }

    QTemporaryDir dir;
    TZEPProject project;
};

// The attached files section of a single popup: always twelve keys, the
// names first.
QByteArray AttachedFilesSection(const QStringList& names = {}) {
    QByteArray section = "[ATTACHED_FILES]\r\n";
    for (int i = 0; i < 12; ++i) {
        section += "File" + QByteArray::number(i + 1) + "=" + names.value(i).toUtf8() + "\r\n";
    }
    return section;
}

} // namespace

TEST_F(ProjectSave, SinglePopupWritesEveryKeyInOrderAndSharesSystemAndAdditionalOptions) {
    project.bDynamicContent = 1;
    project.AddedCodeOption = acDontShowAgainCode;
    auto oInstance = project.CreateInstance();
    TZEPInstance& o = *oInstance;
    o.sUniqueID = "promo";
    o.bTitleSelected = 1;
    o.sTitle = "Hello";
    o.EntryEffect = eeFadeIn;
    o.BorderColour = 0x0000FF; // red
    o.iWidth = 350;
    o.iHeight = 210;
    o.Location = ltCentre;
    o.HTMLFile = {"hello", "world"};
    o.BinaryGraphicFiles = {"a.gif"};
    o.UpdateContentFromHTML();
    project.InstanceList.Add(std::move(oInstance));
    WriteBytes(dir.filePath("a.gif"), "GIF");

    ASSERT_TRUE(Save()) << project.GetLastError().toStdString();
    EXPECT_EQ(ReadWholeFile(project.sFullProjectName),
              "[SYSTEM]\r\n"
              "Template=0\r\n"
              "Video=0\r\n"
              "Instances=0\r\n"
              "MultipleSequentialLayers=0\r\n"
              "[REFERENCE]\r\n"
              "UniqueID=promo\r\n"
              "TitleSelected=1\r\n"
              "Title=Hello\r\n"
              "URLSelected=0\r\n"
              "URL=\r\n"
              "[METHOD]\r\n"
              "OpenAfterSelected=0\r\n"
              "OpenAfterDelay=0\r\n"
              "CloseAfterSelected=0\r\n"
              "CloseAfterDelay=0\r\n"
              "PerSessionSelected=0\r\n"
              "EntryEffect=6\r\n"
              "ExitEffect=0\r\n"
              "OnExitSelected=0\r\n"
              "OnClickSelected=0\r\n"
              "MouseOverSelected=0\r\n"
              "MouseOutSelected=0\r\n"
              "Modal=0\r\n"
              "[APPEARANCE]\r\n"
              "BorderSelected=0\r\n"
              "BorderSize=0\r\n"
              "ShadowSelected=0\r\n"
              "ShadowSize=0\r\n"
              "PaddingSelected=0\r\n"
              "PaddingSize=0\r\n"
              "ScrollBarsSelected=0\r\n"
              "TitleTransparentSelected=0\r\n"
              "BackgroundTransparentSelected=0\r\n"
              "BorderColour=16711680\r\n"
              "ShadowColour=0\r\n"
              "TitleColour=0\r\n"
              "TitleTextColour=0\r\n"
              "BackgroundColour=0\r\n"
              "TextPanelColour=0\r\n"
              "[SIZE_POSITION]\r\n"
              "CanMoveSelected=0\r\n"
              "FromContentSelected=0\r\n"
              "CanCloseSelected=0\r\n"
              "CanResizeSelected=0\r\n"
              "FollowScrollSelected=0\r\n"
              "Width=350\r\n"
              "Height=210\r\n"
              "Top=0\r\n"
              "Left=0\r\n"
              "Location=9\r\n"
              "[ADVANCED_REFERENCE]\r\n"
              "UseCustomSelected=0\r\n"
              "CustomPath=\r\n"
              "[ADVANCED_METHODS]\r\n"
              "OncePerSelected=0\r\n"
              "NumberOfDays=0\r\n"
              "ControlProbabilitySelected=0\r\n"
              "Probability=0\r\n"
              "SiteWide=0\r\n"
              "TryOnce=0\r\n"
              "TryAgain=0\r\n"
              "ImageLink=\r\n"
              "[ADVANCED_APPEARANCE]\r\n"
              "Font=(Tahoma,8,,FF000008)\r\n"
              "[ADDITIONAL_OPTIONS]\r\n"
              "ToolTip=0\r\n"
              "Rotation=0\r\n"
              "AddedCode=1\r\n"
              "[CONTENT]\r\n"
              "zep_promoSpecificLinkText0=Add your textual or image link here for \r\n" +
                  AttachedFilesSection({"a.gif"}) +
                  "[OPTIONS]\r\n"
                  "IncludeDynamicFunctions=0\r\n"
                  "DynamicContent=1\r\n"
                  "TurnOffAudio=0\r\n"
                  "CoverBoxes=0\r\n"
                  "InitialisationOption=0\r\n");
    EXPECT_EQ(ReadWholeFile(dir.filePath("promo.html")), "hello\r\nworld\r\n");
    EXPECT_EQ(ReadWholeFile(dir.filePath("promo_ZEPcontent.js")), "zep_promo=\"hello world \"\r\n");
}

TEST_F(ProjectSave, OlderWindowsFileKeepsItsLayoutAndGainsTheMissingKeysInOrder) {
    // Written by an older installation: Windows-1252 text, blank lines between sections.
    WriteBytes(project.sFullProjectName, "[SYSTEM]\r\nTemplate=0\r\nInstances=0\r\n\r\n"
                                         "[REFERENCE]\r\nUniqueID=promo\r\nTitle=Caf\xE9\r\n\r\n"
                                         "[OPTIONS]\r\nDynamicContent=0\r\n");
    WriteBytes(dir.filePath("promo.html"), "<p>Caf\xE9</p>\r\n");
    ASSERT_TRUE(Reload(project)) << project.GetLastError().toStdString();
    ASSERT_TRUE(Save()) << project.GetLastError().toStdString();
    EXPECT_EQ(ReadWholeFile(dir.filePath("promo.html")), "<p>Caf\xC3\xA9</p>\r\n");
    EXPECT_EQ(ReadWholeFile(project.sFullProjectName),
              "[SYSTEM]\r\n"
              "Template=0\r\n"
              "Instances=0\r\n"
              "Video=0\r\n"
              "MultipleSequentialLayers=0\r\n"
              "\r\n"
              "[REFERENCE]\r\n"
              "UniqueID=promo\r\n"
              "Title=Caf\xC3\xA9\r\n"
              "TitleSelected=1\r\n"
              "URLSelected=0\r\n"
              "URL=https://brisola.example/\r\n"
              "\r\n"
              "[OPTIONS]\r\n"
              "DynamicContent=0\r\n"
              "IncludeDynamicFunctions=1\r\n"
              "TurnOffAudio=0\r\n"
              "CoverBoxes=0\r\n"
              "InitialisationOption=0\r\n"
              "[METHOD]\r\n"
              "OpenAfterSelected=0\r\n"
              "OpenAfterDelay=0\r\n"
              "CloseAfterSelected=0\r\n"
              "CloseAfterDelay=0\r\n"
              "PerSessionSelected=0\r\n"
              "EntryEffect=0\r\n"
              "ExitEffect=0\r\n"
              "OnExitSelected=0\r\n"
              "OnClickSelected=0\r\n"
              "MouseOverSelected=0\r\n"
              "MouseOutSelected=0\r\n"
              "Modal=0\r\n"
              "[APPEARANCE]\r\n"
              "BorderSelected=0\r\n"
              "BorderSize=0\r\n"
              "ShadowSelected=0\r\n"
              "ShadowSize=0\r\n"
              "PaddingSelected=0\r\n"
              "PaddingSize=0\r\n"
              "ScrollBarsSelected=0\r\n"
              "TitleTransparentSelected=0\r\n"
              "BackgroundTransparentSelected=0\r\n"
              "BorderColour=8421504\r\n"
              "ShadowColour=8421504\r\n"
              "TitleColour=65535\r\n"
              "TitleTextColour=128\r\n"
              "BackgroundColour=12632256\r\n"
              "TextPanelColour=8404992\r\n"
              "[SIZE_POSITION]\r\n"
              "CanMoveSelected=0\r\n"
              "FromContentSelected=0\r\n"
              "CanCloseSelected=0\r\n"
              "CanResizeSelected=0\r\n"
              "FollowScrollSelected=0\r\n"
              "Width=350\r\n"
              "Height=210\r\n"
              "Top=10\r\n"
              "Left=25\r\n"
              "Location=0\r\n"
              "[ADVANCED_REFERENCE]\r\n"
              "UseCustomSelected=0\r\n"
              "CustomPath=\r\n"
              "[ADVANCED_METHODS]\r\n"
              "OncePerSelected=0\r\n"
              "NumberOfDays=0\r\n"
              "ControlProbabilitySelected=0\r\n"
              "Probability=100\r\n"
              "SiteWide=0\r\n"
              "TryOnce=0\r\n"
              "TryAgain=0\r\n"
              "ImageLink=\r\n"
              "[ADVANCED_APPEARANCE]\r\n"
              "Font=(Tahoma,8,,FF000008)\r\n"
              "[ADDITIONAL_OPTIONS]\r\n"
              "ToolTip=0\r\n"
              "Rotation=0\r\n"
              "AddedCode=0\r\n"
              "[CONTENT]\r\n"
              "zep_promoSpecificLinkText0=Add your textual or image link here for \r\n" +
                  AttachedFilesSection());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("promo_ZEPcontent.js")));
}

TEST_F(ProjectSave, SavingKeepsOtherLinesAndRoundTripsTheRecord) {
    WriteBytes(project.sFullProjectName, "; kept comment\r\n[SYSTEM]\r\nTemplate=1\r\nOwn=x\r\n");
    TZEPInstance& o = AddInstance("promo");
    o.iTryAgain = -7;
    o.ShadowColour = 0x00123456;
    o.Font = TextToFont("(Verdana,-16,BU,00ABCDEF)");
    o.sTitle = "  spaced  ";
    ASSERT_TRUE(Save());
    const QByteArray text = ReadWholeFile(project.sFullProjectName);
    EXPECT_TRUE(text.startsWith("; kept comment\r\n[SYSTEM]\r\nTemplate=0\r\nOwn=x\r\nVideo=0\r\n"));
    TZEPProject loaded;
    ASSERT_TRUE(Reload(loaded)) << loaded.GetLastError().toStdString();
    const TZEPInstance& r = loaded.InstanceList.Instance(0);
    EXPECT_EQ(r.iTryAgain, -7);
    EXPECT_EQ(r.ShadowColour, 0x00123456u);
    EXPECT_EQ(r.Font, o.Font);
    EXPECT_EQ(r.sTitle, "spaced"); // profile values are read trimmed
    EXPECT_EQ(r.HTMLFile, o.HTMLFile);
}

TEST_F(ProjectSave, MultiPopupSaveRenumbersAndLeavesStaleSectionsAndFiles) {
    project.bMultipleInstances = 1;
    project.bDynamicContent = 1;
    AddInstance("one");
    AddInstance("two");
    AddInstance("three");
    ASSERT_TRUE(Save()) << project.GetLastError().toStdString();
    EXPECT_EQ(ReadWholeFile(dir.filePath("promo(2).html")), "<b>three</b>\r\n");

    project.InstanceList.Delete(1);
    EXPECT_EQ(project.InstanceList.Instance(1).iInstanceID, 2); // unchanged until saved
    ASSERT_TRUE(Save());
    EXPECT_EQ(project.InstanceList.Instance(1).iInstanceID, 1);
    EXPECT_EQ(ReadWholeFile(dir.filePath("promo(1).html")), "<b>three</b>\r\n");
    EXPECT_EQ(ReadWholeFile(dir.filePath("promo(2).html")), "<b>three</b>\r\n");
    EXPECT_EQ(ReadWholeFile(dir.filePath("promo_ZEPcontent.js")),
              "zep_one=\"<b>one</b> \"\r\nzep_three=\"<b>three</b> \"\r\n");

    TProfileFile file(project.sFullProjectName);
    EXPECT_EQ(file.ReadInteger("SYSTEM", "Instances", 0), 2);
    EXPECT_EQ(file.ReadString("REFERENCE1", "UniqueID", ""), "three");
    EXPECT_EQ(file.ReadString("REFERENCE2", "UniqueID", ""), "three");
    EXPECT_FALSE(file.ValueExists("SYSTEM", "Video")); // each instance has its own SYSTEM section
    EXPECT_TRUE(file.ValueExists("SYSTEM0", "Video"));
    EXPECT_FALSE(file.ValueExists("ADDITIONAL_OPTIONS", "ToolTip"));
    EXPECT_TRUE(file.ValueExists("ADDITIONAL_OPTIONS1", "ToolTip"));

    TZEPProject loaded;
    ASSERT_TRUE(Reload(loaded));
    ASSERT_EQ(loaded.InstanceList.Count(), 2);
    EXPECT_EQ(loaded.InstanceList.Caption(1), "three");
    EXPECT_EQ(loaded.InstanceList.Instance(1).ContentStrings.Line(0), "zep_three=\"<b>three</b> \"");
}

TEST_F(ProjectSave, MultiPopupSectionsFollowEachInstanceAndTheProjectKeysCloseTheFile) {
    project.bMultipleInstances = 1;
    project.bMultipleSequentialLayers = 1;
    AddInstance("one");
    AddInstance("two");
    ASSERT_TRUE(Save()) << project.GetLastError().toStdString();
    TProfileFile file(project.sFullProjectName);
    const QStringList instanceSections = {"REFERENCE",
                                          "METHOD",
                                          "APPEARANCE",
                                          "SIZE_POSITION",
                                          "ADVANCED_REFERENCE",
                                          "ADVANCED_METHODS",
                                          "ADVANCED_APPEARANCE",
                                          "ADDITIONAL_OPTIONS",
                                          "SYSTEM",
                                          "CONTENT",
                                          "ATTACHED_FILES"};
    QStringList expected = {"SYSTEM"};
    for (const char* sSuffix : {"0", "1"}) {
        for (const QString& sSection : instanceSections) {
            expected.append(sSection + sSuffix);
        }
    }
    expected += QStringList{"OPTIONS", "ADDITIONAL_OPTIONS"};
    EXPECT_EQ(file.SectionNames(), expected);
    const QString sText = file.ToText();
    EXPECT_TRUE(sText.startsWith("[SYSTEM]\r\nTemplate=0\r\nInstances=2\r\nMultipleSequentialLayers=1\r\n"
                                 "[REFERENCE0]\r\nUniqueID=one\r\n"));
    EXPECT_TRUE(sText.contains("[ADDITIONAL_OPTIONS1]\r\nToolTip=0\r\nRotation=0\r\n[SYSTEM1]\r\nVideo=0\r\n"
                               "[CONTENT1]\r\nzep_twoSpecificLinkText0=Add your textual or image link here for \r\n"
                               "[ATTACHED_FILES1]\r\nFile1=\r\n"));
    EXPECT_TRUE(sText.endsWith("File12=\r\n[OPTIONS]\r\nIncludeDynamicFunctions=0\r\nDynamicContent=0\r\n"
                               "TurnOffAudio=0\r\nCoverBoxes=0\r\nInitialisationOption=0\r\n"
                               "[ADDITIONAL_OPTIONS]\r\nAddedCode=0\r\n"));
}

TEST_F(ProjectSave, EmptyListWritesCountZeroAndNoContentFile) {
    project.bMultipleInstances = 1;
    project.bDynamicContent = 1;
    ASSERT_TRUE(Save());
    TProfileFile file(project.sFullProjectName);
    EXPECT_EQ(file.ReadString("SYSTEM", "Instances", ""), "0");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("promo_ZEPcontent.js")));
}

TEST_F(ProjectSave, UnwritableSideFilesFailWithTheirPathAndLeaveTheOldFiles) {
    AddInstance("promo");
    QDir(dir.path()).mkdir("promo.html"); // a directory where the HTML file goes
    TProfileFile file(project.sFullProjectName);
    EXPECT_FALSE(project.SaveToIniFile(file));
    EXPECT_EQ(project.GetLastError(),
              "Object saving error <Error saving HTML file <" + dir.filePath("promo.html") + ">>");

    QDir(dir.path()).rmdir("promo.html");
    project.bDynamicContent = 1;
    WriteBytes(dir.filePath("promo_ZEPcontent.js/keep"), "x");
    EXPECT_FALSE(project.SaveToIniFile(file));
    EXPECT_EQ(project.GetLastError(), "Content saving error <" + dir.filePath("promo_ZEPcontent.js") + ">");
    EXPECT_EQ(ReadWholeFile(dir.filePath("promo_ZEPcontent.js/keep")), "x");

    // Nothing reached the project file: the caller writes it only after a good save.
    EXPECT_FALSE(QFileInfo::exists(project.sFullProjectName));
}

TEST(ProjectFileNames, StemDirectoryAndSideFiles) {
    EXPECT_EQ(ProjectDirectory("/p/site.final.zrj"), "/p/");
    EXPECT_EQ(ProjectStem("/p/site.final.zrj"), "site.final");
    EXPECT_EQ(ProjectStem("/p/ README"), "README");
    EXPECT_EQ(ProjectStem("/p/.zrj"), "");
    EXPECT_EQ(ContentFileName("/p/promo.zrj"), "/p/promo_ZEPcontent.js");
    TZEPInstance instance(nullptr);
    EXPECT_EQ(instance.HTMLFileName("/p/promo.zrj"), "/p/promo.html");
    instance.iInstanceID = 12;
    EXPECT_EQ(instance.HTMLFileName("/p/promo.zrj"), "/p/promo(12).html");
    EXPECT_EQ(instance.Suffix(), "12");
}
