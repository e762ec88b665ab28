// The preview texts of a single popup: preview-mode links, the internal
// script, the host pages, the internal page and the mask files.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "CompileTestSupport.h"
#include "LinkingScript.h"
#include "MaskFiles.h"
#include "PreviewPages.h"
#include "TZEPProject.h"
#include "TextFile.h"

namespace {

class PreviewPages : public ::testing::Test {
protected:
    void OpenCase(const QString& sCase) {
        ASSERT_TRUE(
            fixture.Open(CompileDataDir() + u'/' + sCase + QStringLiteral("/project"), QStringLiteral("promo.zrj")));
    }
    TZEPInstance& Instance() { return fixture.Project.Project.InstanceList.Instance(0); }
    TScriptContext Context() {
        return MakeScriptContext(fixture.Project.Project, fixture.Script, TestTemplateDir(), fixture.Ui);
    }
    TCompileFixture fixture;
};

TEST_F(PreviewPages, PlainPopupKeepsTheTemplateLinesAndAddsTheDemoLines) {
    OpenCase(QStringLiteral("plain"));
    TPreviewText text;
    ASSERT_TRUE(BuildSingleInstancePreviewHTML(Context(), Instance(), text));
    ASSERT_EQ(text.PreviewHTML.size(), 13);
    EXPECT_TRUE(text.PreviewHTML.at(5).isEmpty());
    EXPECT_TRUE(text.PreviewHTML.at(8).isEmpty());
    EXPECT_TRUE(text.PreviewHTML.at(9).isEmpty());
    EXPECT_EQ(text.PreviewHTML.at(10), QStringLiteral("<!-- This is only for demo purposes in this file -->"));
    EXPECT_EQ(text.PreviewHTML.last(), QStringLiteral("</body></html>"));
    EXPECT_TRUE(text.MouseEventHTML.isEmpty());
}

TEST_F(PreviewPages, TooltipPreviewExplainsTheLinkButTheCompileDoesNot) {
    OpenCase(QStringLiteral("tooltip"));
    const QString sLink = QStringLiteral(
        "<a id=\"tt1\" href=\"javascript:void(0)\" onmouseover=\"promo.zepTooltip('promo','tt1',300,200,15,-60,"
        "ZEPtooltip1,'#C0C0C0',1,event)\">DHTML Popup</a>");
    TPreviewText text;
    ASSERT_TRUE(BuildSingleInstancePreviewHTML(Context(), Instance(), text));
    const QString sExplained =
        QStringLiteral("Create ") + sLink +
        QStringLiteral(" for your page. The color, border, shadow, dimensions etc can all be changed on the left. "
                       "Change the offset from the mouse using the top/left settings. After compiling just "
                       "copy/paste the single line given in the preview file and apply to any words on the page");
    EXPECT_EQ(text.MouseEventHTML, QStringList{sExplained});
    EXPECT_EQ(text.PreviewHTML.at(10), sExplained);

    ASSERT_TRUE(BuildPreviewHTML(Context(), {&Instance()}, CPreviewMode::pmCompile, text));
    EXPECT_EQ(text.MouseEventHTML, QStringList{sLink});
}

TEST_F(PreviewPages, SequentialLayersShowOnlyTheFirstLinkInThePreview) {
    OpenCase(QStringLiteral("layers"));
    TPreviewText text;
    ASSERT_TRUE(BuildSingleInstancePreviewHTML(Context(), Instance(), text));
    ASSERT_EQ(text.MouseEventHTML.size(), 1);
    EXPECT_TRUE(text.MouseEventHTML.front().endsWith(QStringLiteral("return false;\">Show first</a>")));
    ASSERT_TRUE(BuildPreviewHTML(Context(), {&Instance()}, CPreviewMode::pmCompile, text));
    EXPECT_EQ(text.MouseEventHTML.size(), 2);
}

TEST_F(PreviewPages, EveryLayerGetsItsLinkWhenTheNumbersHaveAGap) {
    OpenCase(QStringLiteral("layers"));
    TContentList& content = Instance().ContentStrings;
    const int iSecond = content.FindContentIndex(1);
    ASSERT_GE(iSecond, 0);
    content.Item(iSecond).iLID = 3; // layer 1 deleted, layer 3 left
    content.Item(iSecond).sIndex = Instance().GetContentIndex() + QStringLiteral("3");
    TPreviewText text;
    ASSERT_TRUE(BuildPreviewHTML(Context(), {&Instance()}, CPreviewMode::pmCompile, text));
    ASSERT_EQ(text.MouseEventHTML.size(), 2);
    EXPECT_TRUE(text.MouseEventHTML[1].contains(QStringLiteral("zepContent('promo', zep_promo3)")));
}

TEST_F(PreviewPages, InternalScriptBuildsAndShowsThePopupWithoutGate) {
    OpenCase(QStringLiteral("plain"));
    const QString sCmd = QStringLiteral("  if(!promo.pars.isc){ \r\n    QEL.zep.zepShow('promo');\r\n  }");
    ASSERT_TRUE(WriteInternalScript(Context(), Instance(), Instance().GetHTMLForScript(), sCmd, QString()));
    const QString sExpected = QStringLiteral(
        "var zep_promo=\"<p class=\\\"x\\\">Hello</p> \";\r\n"
        "promo = new QEL.zep.zepInstance(\"promo\", 2, \"#1C5EA2\", 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 4, 0, 0, 0, 0, 0, "
        "25, 10, 300, 200, 1, \"#000080\", \"#00FFFF\", \"#C0C0C0\", 1, 5, \"#808080\", 0, 0, 1, 1, 0, "
        "\"10pt Verdana\", \"#804000\", 0, 0);\r\n"
        "promo.zep(\"promo\",zep_promo,\"Hello\");\r\n"
        "  if(!promo.pars.isc){ \r\n"
        "    QEL.zep.zepShow('promo');\r\n"
        "  }\r\n"
        "function runCmdSet(){\r\n"
        "     if(!promo.pars.isc){ \r\n"
        "    QEL.zep.zepShow('promo');\r\n"
        "  }\r\n"
        "}\r\n");
    EXPECT_EQ(ReadWholeFile(fixture.Path(QStringLiteral("zepInternal.js"))).toStdString(), sExpected.toStdString());
}

TEST_F(PreviewPages, ModalPreviewWritesTheMaskStyleSheetOnlyAndTheModalHostPage) {
    OpenCase(QStringLiteral("modal"));
    TPreviewText text;
    QString sHostPage;
    QString sInternalPage;
    ASSERT_TRUE(PreparePreview(Context(), Instance(), text, sHostPage, sInternalPage));
    EXPECT_EQ(sHostPage, fixture.Path(QStringLiteral("zepInternal.html")));
    QStringList hostLines;
    ASSERT_TRUE(ReadTextLines(sHostPage, hostLines));
    EXPECT_EQ(hostLines, fixture.Script.ZEPModalInternalHTMLMemo);
    EXPECT_TRUE(QFileInfo::exists(fixture.Path(QStringLiteral("ZEPMask.css"))));
    EXPECT_FALSE(QFileInfo::exists(fixture.Path(QStringLiteral("ZEPMask.png"))));
    const QString sScript = QString::fromUtf8(ReadWholeFile(fixture.Path(QStringLiteral("zepInternal.js"))));
    EXPECT_TRUE(sScript.startsWith(QStringLiteral("  zep_zepMask=\"<link href=\\\"ZEPMask.css\\\"")));
    EXPECT_TRUE(sInternalPage.contains(QStringLiteral("<script type=\"text/javascript\" src=\"zepInternal.js\" "
                                                      "defer></script><!-- This is only for demo")));
}

TEST_F(PreviewPages, TooltipScriptIsWrittenForProjectsButNotForTemplates) {
    OpenCase(QStringLiteral("tooltip"));
    TPreviewText text;
    QString sHostPage;
    QString sInternalPage;
    fixture.Project.Project.bTemplate = 1;
    ASSERT_TRUE(PreparePreview(Context(), Instance(), text, sHostPage, sInternalPage));
    EXPECT_FALSE(QFileInfo::exists(fixture.Path(QStringLiteral("promo_ZEPtooltips.js"))));
    QStringList hostLines;
    ASSERT_TRUE(ReadTextLines(sHostPage, hostLines));
    EXPECT_EQ(hostLines, fixture.Script.InternalHTMLMemo);
    EXPECT_TRUE(sInternalPage.contains(
        QStringLiteral("<script type=\"text/javascript\" defer src=\"promo_ZEPtooltips.js\"></script>")));

    fixture.Project.Project.bTemplate = 0;
    ASSERT_TRUE(PreparePreview(Context(), Instance(), text, sHostPage, sInternalPage));
    EXPECT_EQ(QString::fromUtf8(ReadWholeFile(fixture.Path(QStringLiteral("promo_ZEPtooltips.js")))),
              QStringLiteral("ZEPtooltip1=\"<p class=\\\"x\\\">Hello</p> \"\r\n"));
}

TEST_F(PreviewPages, InternalPageRedirectsImagesToTheCustomFolder) {
    OpenCase(QStringLiteral("plain"));
    Instance().bUseCustom = 1;
    Instance().sCustomPath = QStringLiteral(" img ");
    fixture.Script.InitialiseScript();
    TPreviewText text;
    ASSERT_TRUE(BuildSingleInstancePreviewHTML(Context(), Instance(), text));
    const QString sPage = GetInternalPage(Context(), Instance(), text);
    EXPECT_TRUE(sPage.startsWith(QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\"")));
    EXPECT_TRUE(sPage.contains(QStringLiteral("</head><body><div>&nbsp</div><script type=\"text/javascript\" defer>")));
    EXPECT_TRUE(sPage.contains(QStringLiteral("img/close.gif")));
    EXPECT_FALSE(sPage.contains(QStringLiteral("\r")));
    EXPECT_TRUE(sPage.endsWith(QStringLiteral("</body></html>")));
}

TEST_F(PreviewPages, MaskFilesForCompileAndPreview) {
    OpenCase(QStringLiteral("modal"));
    QStringList outputFiles{QStringLiteral("first")};
    EXPECT_TRUE(WriteMaskFiles(Context(), &outputFiles, true));
    EXPECT_EQ(outputFiles,
              (QStringList{QStringLiteral("first"), fixture.Path(QStringLiteral("ZEPMask.css")), QString()}));
    EXPECT_TRUE(WriteMaskFiles(Context(), &outputFiles, false));
    EXPECT_EQ(outputFiles.last(), fixture.Path(QStringLiteral("ZEPMask.png")));
    QFile picture(fixture.Path(QStringLiteral("ZEPMask.png")));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_TRUE(picture.readAll().startsWith("\x89PNG\r\n\x1a\n"));
    QStringList cssLines;
    ASSERT_TRUE(ReadTextLines(fixture.Path(QStringLiteral("ZEPMask.css")), cssLines));
    EXPECT_EQ(cssLines, fixture.Script.ZEPMaskCSSMemo);
}

} // namespace
