#include "ModelTestFiles.h"
#include "ProjectFiles.h"
#include "TProfileFile.h"
#include "TZEPProject.h"

#include <QTemporaryDir>

namespace {

const QString sLinkText = "Add your textual or image link here for ";

// An instance of a single-popup project promo.zrj in a temporary directory.
class Content : public ::testing::Test {
protected:
    void SetUp() override {
        project.sFullProjectName = dir.filePath("promo.zrj");
        instance = project.CreateInstance();
        instance->sUniqueID = "promo";
        instance->iWidth = 300;
        instance->iHeight = 200;
        instance->iTop = 5;
        instance->iLeft = 6;
        instance->Location = ltCentre;
    }
    bool LoadInstance(const QByteArray& projectText) {
        WriteBytes(project.sFullProjectName, projectText);
        WriteBytes(dir.filePath("promo.html"), "hello\r\nworld\r\n");
        TProfileFile file(project.sFullProjectName);
        return instance->LoadFromIniFile(file, project.sFullProjectName);
    }

    QTemporaryDir dir;
    TZEPProject project;
    std::unique_ptr<TZEPInstance> instance;
};

} // namespace

TEST(HTMLForScript, EscapesAndJoinsTheLinesIntoOneString) {
    TZEPInstance instance(nullptr);
    instance.HTMLFile = {"a\\b"};
    EXPECT_EQ(instance.GetHTMLForScript(), "\"a\\\\b \"");
    instance.HTMLFile = {"<p class=\"x\">Hi</p>"};
    EXPECT_EQ(instance.GetHTMLForScript(), "\"<p class=\\\"x\\\">Hi</p> \"");
    instance.HTMLFile = {};
    EXPECT_EQ(instance.GetHTMLForScript(), "\"\"");
}

TEST(HTMLForScript, ScriptElementsBecomeDeferredScriptsWhateverTheirCase) {
    TZEPInstance instance(nullptr);
    instance.HTMLFile = {"<script src=\"a.js\"></script>", "<SCRIPT>x()</SCRIPT>"};
    const QString sPrefix = "<div style=\\\"\\\"position:absolute;top:0px;left:0px;\\\"\\\">&nbsp;</div><script defer";
    EXPECT_EQ(instance.GetHTMLForScript(),
              "\"" + sPrefix + " src=\\\"a.js\\\"></script> " + sPrefix + ">x()</SCRIPT> \"");
}

TEST_F(Content, ItemsComeFromTheContentFileAndItemZeroFromTheHtml) {
    WriteBytes(dir.filePath("promo_ZEPcontent.js"), "zep_promo=\"old\"\r\n  ZEP_PROMO1 = \"layer one\" \r\n"
                                                    "zep_other=\"x\"\r\nno assignment\r\nzep_promo12=\"twelve\"\r\n");
    ASSERT_TRUE(LoadInstance("[REFERENCE]\r\nUniqueID=promo\r\n[CONTENT]\r\nZEP_PROMO1Height1=50\r\n"
                             "zep_promo1Width1=$20\r\nzep_promo1SpecificLinkText1=Next\r\n"
                             "zep_promoSpecificLinkText0=stored\r\n"));
    const TContentList& list = instance->ContentStrings;
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(0).iLID, 0);
    EXPECT_EQ(list.Item(0).sIndex, "zep_promo");
    EXPECT_EQ(list.Item(0).sHTML, "\"hello world \"");
    EXPECT_EQ(list.Line(0), "zep_promo=\"hello world \"");
    EXPECT_EQ(list.Item(0).iAPIWidth, 350);
    EXPECT_EQ(list.Item(0).iAPIHeight, 210);
    EXPECT_EQ(list.Item(0).APILocation, ltManual);
    EXPECT_EQ(list.Item(1).iLID, 1);
    EXPECT_EQ(list.Item(1).sIndex, "ZEP_PROMO1");
    EXPECT_EQ(list.Item(1).sHTML, "\"layer one\"");
    EXPECT_EQ(list.Line(1), "ZEP_PROMO1 = \"layer one\"");
    EXPECT_EQ(list.Item(1).iAPIHeight, 50);
    EXPECT_EQ(list.Item(1).iAPIWidth, 32);
    EXPECT_EQ(list.Item(1).APILocation, ltTopLeft); // missing location key
    EXPECT_EQ(list.Item(1).sAPISpecificLinkText, "Next");
    EXPECT_EQ(list.Item(2).iLID, 12);
    // Item 0 came from the content file, so its stored link text applies.
    EXPECT_EQ(list.Item(0).sAPISpecificLinkText, "stored");
}

TEST_F(Content, WithoutContentFileItemZeroIsCreatedWithTheImageLink) {
    ASSERT_TRUE(LoadInstance("[REFERENCE]\r\nUniqueID=promo\r\n[CONTENT]\r\nzep_promoSpecificLinkText0=ignored\r\n"));
    ASSERT_EQ(instance->ContentStrings.Count(), 1);
    EXPECT_EQ(instance->ContentStrings.Item(0).sAPISpecificLinkText, sLinkText);
    ASSERT_TRUE(LoadInstance("[REFERENCE]\r\nUniqueID=promo\r\n[ADVANCED_METHODS]\r\nImageLink=btn.gif\r\n"));
    EXPECT_EQ(instance->ContentStrings.Item(0).sAPISpecificLinkText, "btn.gif");
}

TEST(ContentFile, KeysMatchOnlyWithAnEmptyOrDecimalRest) {
    TContentFile file;
    file.LoadFromLines({"zep_promo=\"0\"", "zep_promo2=\"p2\"", "zep_promoX=\"x\"", "zep_promo2_7=\"q\"",
                        "zep_promo24=\"p24\"", "zep_prom=\"short\"", "=\"nokey\""});
    TContentList list;
    list.LoadInstanceContent(file, "zep_promo");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Item(0).sIndex, "zep_promo");
    EXPECT_EQ(list.Item(1).iLID, 2);
    EXPECT_EQ(list.Item(2).iLID, 24);
    // promo2 no longer shares promo's lines beyond the digits that follow it.
    list.LoadInstanceContent(file, "zep_promo2");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(0).iLID, 0);
    EXPECT_EQ(list.Item(1).iLID, 4);
}

// Keys read against the content indexes of the whole project: each line goes
// to one popup only.
TEST(ContentFile, EachLineBelongsToTheBestMatchingIndexOfTheProject) {
    TContentFile file;
    file.LoadFromLines({"zep_p1=\"a\"", "zep_p11=\"b\"", "zep_p10=\"c\"", "zep_p101=\"d\"", "zep_p1011=\"e\"",
                        "zep_promo=\"f\"", "zep_PROMO=\"g\"", "zep_promo1=\"h\"", "Zep_Promo2=\"i\"",
                        "zep_p11=\"second line of one key\"", "zep_promo3=\"j\""});
    file.SetProjectIndexes({"zep_p1", "zep_p10", "zep_promo", "zep_PROMO"});
    const auto keysFor = [&file](const QString& sIndex) {
        QStringList keys;
        for (const TContentFile::TLine* line : file.LinesFor(sIndex)) {
            keys << line->sKey + '=' + line->sHTML;
        }
        return keys;
    };
    EXPECT_EQ(keysFor("zep_p1"), QStringList({"zep_p1=\"a\"", "zep_p11=\"b\""}));
    EXPECT_EQ(keysFor("zep_p10"), QStringList({"zep_p10=\"c\"", "zep_p101=\"d\"", "zep_p1011=\"e\""}));
    EXPECT_EQ(keysFor("zep_promo"),
              QStringList({"zep_promo=\"f\"", "zep_promo1=\"h\"", "Zep_Promo2=\"i\"", "zep_promo3=\"j\""}));
    EXPECT_EQ(keysFor("zep_PROMO"), QStringList({"zep_PROMO=\"g\""}));
    // An index the project does not name still finds the lines that no other index takes.
    EXPECT_EQ(keysFor("zep_p"), QStringList());
    file.SetProjectIndexes({});
    EXPECT_EQ(keysFor("zep_p").size(), 5);
}

TEST_F(Content, LayerLinesAreReadAsStringLiteralsAndOthersKeptForTheCompileToRefuse) {
    WriteBytes(dir.filePath("promo_ZEPcontent.js"), "zep_promo1='it\\'s \\x41'\r\nzep_promo2 = \"as \\\"is\\\"\" \r\n"
                                                    "zep_promo3=\"unterminated\r\nzep_promo4=\"a\";alert(1)\r\n");
    ASSERT_TRUE(LoadInstance("[REFERENCE]\r\nUniqueID=promo\r\n"));
    const TContentList& list = instance->ContentStrings;
    ASSERT_EQ(list.Count(), 5);
    EXPECT_EQ(list.Item(0).sHTML, "\"it's A\"");
    EXPECT_EQ(list.Line(0), "zep_promo1=\"it's A\"");
    EXPECT_EQ(list.Item(1).sHTML, "\"as \\\"is\\\"\"");
    EXPECT_EQ(list.Line(1), "zep_promo2 = \"as \\\"is\\\"\"");
    EXPECT_EQ(list.Item(2).sHTML, "\"unterminated");
    EXPECT_EQ(list.Line(2), "zep_promo3=\"unterminated");
    EXPECT_EQ(list.Line(3), "zep_promo4=\"a\";alert(1)");
}

TEST(ContentList, NextFreeNumberRemoveAndCopy) {
    TZEPInstance instance(nullptr);
    TContentList& list = instance.ContentStrings;
    list.AddContent(instance, "\"a\"", "zep_p", 0);
    EXPECT_EQ(list.GetNextFreeID(), 1);
    list.AddContent(instance, "\"b\"", "zep_p", 1);
    list.AddContent(instance, "\"c\"", "zep_p", 3);
    EXPECT_EQ(list.GetNextFreeID(), 2);
    EXPECT_EQ(list.Line(2), "zep_p3=\"c\"");
    EXPECT_EQ(instance.GetContentObjectForID(3), &list.Item(2));
    EXPECT_EQ(instance.GetContentObjectForID(2), nullptr);

    TContentList copy;
    copy.CopyContent(list);
    list.RemoveContent(1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.FindContentIndex(1), -1);
    ASSERT_EQ(copy.Count(), 3);
    EXPECT_EQ(copy.Item(1).sHTML, "\"b\"");
    EXPECT_NE(&copy.Item(1), &list.Item(1));

    // Numbers in any order: items 0, 3, -2, 2 and 1 leave 4 as the next free one.
    EXPECT_EQ(list.GetNextFreeID(), 1);
    list.AddContent(instance, "\"d\"", "zep_p", -2);
    list.AddContent(instance, "\"e\"", "zep_p", 2);
    EXPECT_EQ(list.GetNextFreeID(), 1);
    list.AddContent(instance, "\"f\"", "zep_p", 1);
    EXPECT_EQ(list.GetNextFreeID(), 4);
}

TEST(ContentList, UpdatingAnItemResetsItsPlaceButKeepsItsLinkText) {
    TZEPInstance instance(nullptr);
    instance.iWidth = 300;
    instance.iHeight = 200;
    instance.Location = ltTopRight;
    TContentList& list = instance.ContentStrings;
    list.AddContent(instance, "\"x\"", " zep_p ", 2);
    TContentItem& item = list.Item(0);
    EXPECT_EQ(item.sIndex, "zep_p 2");
    EXPECT_EQ(list.Line(0), "zep_p 2=\"x\"");
    EXPECT_TRUE(item.sAPISpecificLinkText.isEmpty()); // only item 0 gets a link text
    item.iAPIWidth = 100;
    item.iAPIHeight = 50;
    item.bAPIRelativePositioning = 1;
    item.sAPISpecificLinkText = "Mine";
    list.AddContent(instance, " \"y\" ", "zep_p", 2);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(item.iAPIWidth, 300);
    EXPECT_EQ(item.iAPIHeight, 200);
    EXPECT_EQ(item.APILocation, ltTopRight);
    EXPECT_EQ(item.bAPIRelativePositioning, 0);
    EXPECT_EQ(item.sAPISpecificLinkText, "Mine");
    EXPECT_EQ(item.sHTML, " \"y\" ");
    EXPECT_EQ(list.Line(0), "zep_p2=\"y\"");
}

TEST(ContentList, ItemZeroHasOnlyItsLinkTextKey) {
    TZEPInstance instance(nullptr);
    instance.ContentStrings.AddContent(instance, "\"a\"", "zep_p", 0);
    instance.ContentStrings.AddContent(instance, "\"b\"", "zep_p", 3);
    instance.ContentStrings.Item(1).APILocation = ltCentre;
    instance.ContentStrings.Item(1).sAPISpecificLinkText = "Three";
    TProfileFile file;
    instance.ContentStrings.SaveObjects(file, "CONTENT");
    EXPECT_EQ(file.ToText(), "[CONTENT]\r\n"
                             "zep_pSpecificLinkText0=Add your textual or image link here for \r\n"
                             "zep_p3Height3=0\r\n"
                             "zep_p3Width3=0\r\n"
                             "zep_p3Top3=0\r\n"
                             "zep_p3Left3=0\r\n"
                             "zep_p3Location3=9\r\n"
                             "zep_p3RelativePositioning3=0\r\n"
                             "zep_p3SpecificLinkText3=Three\r\n");
}

TEST_F(Content, LayerStringsAsASaveWritesThemStayAndOthersAreWrittenAfresh) {
    const struct {
        const char* sLiteral;
        const char* sExpected;
    } cases[] = {
        {R"("plain 'text' </p>")", R"("plain 'text' </p>")"},
        {R"("a\\b \"q\" \r\n \u2028\u2029")", R"("a\\b \"q\" \r\n \u2028\u2029")"},
        {R"("")", R"("")"},
        {R"("\t")", "\"\t\""},
        {R"("\x41\u0042")", R"("AB")"},
        {R"("\U2028")", R"("U2028")"},
        {R"("\u2028")", "\"\\u2028\""},
        {"\"\xe2\x80\xa8\"", R"("\u2028")"},
        {R"("a";)", R"("a")"},
        {R"('a')", R"("a")"},
        {R"("a\")", R"("a\")"},
    };
    QByteArray content;
    for (size_t i = 0; i < std::size(cases); ++i) {
        content += "zep_promo" + QByteArray::number(qsizetype(i + 1)) + "=" + cases[i].sLiteral + "\r\n";
    }
    WriteBytes(dir.filePath("promo_ZEPcontent.js"), content);
    ASSERT_TRUE(LoadInstance("[REFERENCE]\r\nUniqueID=promo\r\n"));
    const TContentList& list = instance->ContentStrings;
    ASSERT_EQ(list.Count(), int(std::size(cases)) + 1);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const QString sExpected = QString::fromUtf8(cases[i].sExpected);
        EXPECT_EQ(list.Item(int(i)).sHTML, sExpected) << cases[i].sLiteral;
        EXPECT_EQ(list.Line(int(i)), "zep_promo" + QString::number(i + 1) + "=" + sExpected) << cases[i].sLiteral;
    }
}
