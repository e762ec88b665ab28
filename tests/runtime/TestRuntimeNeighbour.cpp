// The library shares the page with the site's own scripts: it keeps to its own
// names and leaves the page's handlers alone.
#include "TCompiledProject.h"
#include "TRuntimePage.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QSet>

namespace {

const char* GlobalNames = "Object.getOwnPropertyNames(window)";

QSet<QString> Names(const QVariant& list) {
    QSet<QString> names;
    for (const QVariant& name : list.toList()) {
        names << name.toString();
    }
    return names;
}

bool OpenPage(TRuntimePage& page, const QString& sName, const QString& sHtml) {
    return WriteTextFileWhole(QDir(page.Folder()).filePath(sName), sHtml) && page.OpenFile(sName);
}

TEST(PageNeighbour, LibraryAddsOnlyQelAndTheNamesTheLinkingScriptsUse) {
    TRuntimePage page;
    ASSERT_TRUE(OpenPage(page, "empty.html", "<!DOCTYPE html><html><body></body></html>"));
    const QSet<QString> before = Names(page.Run(GlobalNames));
    ASSERT_TRUE(OpenPage(page, "lib.html",
                         "<!DOCTYPE html><html><body><script src='lib_zeplib.js'></script>"
                         "</body></html>"));
    const QSet<QString> added = Names(page.Run(GlobalNames)) - before;
    EXPECT_EQ(added, (QSet<QString>{"QEL", "rf", "bdf"}));
    EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString();
}

// A modal popup on a page with its own error reporting, key handler and a
// window.onload assigned after the pasted lines.
TEST(PageNeighbour, PageHandlersStayThePagesAndALaterOnloadKeepsThePopups) {
    TRuntimePage page;
    TCompiledProject modal;
    ASSERT_TRUE(modal.Compile("modal", "promo.zrj", page.Folder())) << modal.sError.toStdString();
    const QString sHtml =
        "<!DOCTYPE html><html><head><script>"
        "window.pageErrors = []; window.onerror = function (m) { pageErrors.push(String(m)); return true; };"
        "window.pageKey = function () {}; document.onkeypress = pageKey;"
        "</script><script src='PopupHelpers.js'></script></head><body>" +
        modal.ScriptBody() + "<script>window.onload = function () { window.pageLoaded = 1; };</script></body></html>";
    ASSERT_TRUE(OpenPage(page, "modal.html", sHtml));
    ASSERT_EQ(page.Run("window.pageLoaded").toInt(), 1);
    page.Advance(400);
    EXPECT_EQ(page.Run("geo('promo_zepB').vis").toString(), "visible");
    EXPECT_EQ(page.Run("geo('zepMask_zepB').vis").toString(), "visible");
    page.Run("document.getElementById('promo_close').click()");
    EXPECT_EQ(page.Run("geo('zepMask_zepB').vis").toString(), "hidden");
    EXPECT_TRUE(page.Run("document.onkeypress === pageKey").toBool());
    page.Run("var s = document.createElement('script'); s.textContent = 'noSuchPageFunction()';"
             "document.body.appendChild(s);");
    EXPECT_EQ(page.Run("pageErrors.length + ':' + /noSuchPageFunction/.test(pageErrors[0])").toString(), "1:true");
    page.Run("QEL.zep.zepShow('noSuchPopup')");
    EXPECT_EQ(page.Run("pageErrors.length").toInt(), 1) << "the library's own failure stays in the library";
}

TEST(PageNeighbour, TwoCompiledProjectsOnOnePageBothWork) {
    TRuntimePage page;
    TCompiledProject plain;
    TCompiledProject multi;
    ASSERT_TRUE(plain.Compile("plain", "promo.zrj", page.Folder())) << plain.sError.toStdString();
    ASSERT_TRUE(multi.Compile("multi", "site.zrj", page.Folder())) << multi.sError.toStdString();
    ASSERT_TRUE(OpenPage(page, "two.html",
                         "<!DOCTYPE html><html><head><script src='PopupHelpers.js'></script></head><body>" +
                             plain.ScriptBody() + multi.ScriptBody() + "</body></html>"));
    page.Advance(400);
    for (const char* sBox : {"promo_zepB", "first_zepB", "veil_zepB", "zepMask_zepB"}) {
        EXPECT_EQ(page.Run(QString("geo('%1').vis").arg(sBox)).toString(), "visible") << sBox;
    }
    page.Run("QEL.zep.zepHide('veil'); QEL.zep.zepHide('promo')");
    EXPECT_EQ(page.Run("geo('promo_zepB').vis").toString(), "hidden");
    EXPECT_EQ(page.Run("geo('zepMask_zepB').vis").toString(), "hidden");
    EXPECT_EQ(page.Run("geo('first_zepB').vis").toString(), "visible");
}

} // namespace
