// Popups on a page served with a strict Content Security Policy: no inline
// script, no inline style, every violation recorded by the page.
#include "TCompiledProject.h"
#include "TRuntimePage.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

class StrictPolicy : public ::testing::Test {
protected:
    void SetUp() override {
        page.SetPolicy("default-src 'self'; script-src 'self'; style-src 'self'; img-src 'self' data:");
        ASSERT_TRUE(Write("site.css", ".tall { height: 2000px; }"));
        ASSERT_TRUE(Write("watch.js", "window.violations = [];"
                                      "document.addEventListener('securitypolicyviolation', function (e) {"
                                      "  violations.push(e.violatedDirective + ' ' + e.blockedURI + ' ' + e.sample);"
                                      "});"));
    }
    bool Write(const QString& sName, const QString& sText) {
        return WriteTextFileWhole(QDir(page.Folder()).filePath(sName), sText);
    }
    bool OpenSite(const QString& sBody) {
        return Write("site.html", "<!DOCTYPE html><html><head><script src='watch.js'></script>"
                                  "<script src='PopupHelpers.js'></script><link rel='stylesheet' href='site.css'>"
                                  "</head><body>" +
                                      sBody + "<div class='tall'></div></body></html>") &&
               page.OpenFile("site.html");
    }
    QString Violations() { return page.Run("violations.join('\\n')").toString(); }
    QString Vis(const QString& sId) { return page.Run("geo('" + sId + "').vis").toString(); }

    TRuntimePage page;
};

TEST_F(StrictPolicy, PopupsAtOnceAndTheGreyOutShowWithoutAViolation) {
    TCompiledProject multi;
    ASSERT_TRUE(multi.Compile("multi", "site.zrj", page.Folder())) << multi.sError.toStdString();
    ASSERT_TRUE(OpenSite(multi.ScriptBody()));
    ASSERT_EQ(page.Run("typeof QEL.zep.zepInstance").toString(), "function") << "the library ran under the policy";
    page.Advance(1500);
    EXPECT_EQ(Vis("first_zepB"), "visible");
    EXPECT_EQ(Vis("veil_zepB"), "visible");
    EXPECT_EQ(Vis("zepMask_zepB"), "visible");
    EXPECT_EQ(page.Run("getComputedStyle(document.getElementById('ZEPMask')).position").toString(), "absolute")
        << "the grey-out fills the mask";
    page.Run("QEL.zep.zepHide('veil')");
    EXPECT_EQ(Violations(), "");
    EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString();
}

TEST_F(StrictPolicy, PrintedLinksWithoutInlineScriptOpenClickAndTooltipPopups) {
    TCompiledProject site;
    ASSERT_TRUE(site.Compile("multi-options", "site.zrj", page.Folder(), true)) << site.sError.toStdString();
    const QString sLinks = site.Results.OnMouseSyntax.join('\n');
    ASSERT_EQ(site.Results.OnMouseSyntax.size(), 2);
    for (const char* sInline : {"onclick", "onmouseover", "javascript:", "style="}) {
        EXPECT_FALSE(sLinks.contains(QLatin1String(sInline))) << sInline << " in " << sLinks.toStdString();
    }
    // The project leaves the start to the page, which calls initZEP from a file of its own.
    ASSERT_TRUE(Write("start.js", "initZEP();"));
    ASSERT_TRUE(
        OpenSite(site.ScriptBody() + site.Results.AnchorSyntax.join("") + sLinks + "<script src='start.js'></script>"));
    page.Advance(1500);
    EXPECT_EQ(Vis("clicker_zepB"), "hidden");
    page.Run("document.querySelector('[data-zep-click]').click()");
    page.Advance(400);
    EXPECT_EQ(Vis("clicker_zepB"), "visible");
    EXPECT_EQ(Vis("zepMask_zepB"), "visible");
    EXPECT_EQ(page.Run("location.hash").toString(), "") << "the link's address is not followed";

    page.Run("document.getElementById('tt1').dispatchEvent(new MouseEvent('mouseover', "
             "{bubbles: true, clientX: 200, clientY: 300}))");
    page.Advance(400);
    EXPECT_EQ(Vis("tip_zepB"), "visible");
    EXPECT_EQ(page.Run("document.getElementById('tip_zepC').textContent.length > 0").toBool(), true);
    EXPECT_EQ(Violations(), "");
    EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString();
}

} // namespace
