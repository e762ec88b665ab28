// Hostile and broken projects handed to brisola-compile: each is refused with
// a message naming the popup and the field, or its compiled preview page runs
// in the browser engine without an error, with the hostile text present as
// data and none of it run as code (the texts try to set window.pwned).

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "CliTestSupport.h"
#include "ScriptNames.h"
#include "TBrowserPage.h"

namespace {

struct THostileCase {
    const char* sName;
    QList<TTestPopup> popups;
    const char* sRefusal = "";   // the compile error, or empty when the compile must succeed
    const char* sCheck = "true"; // a script that answers true on the compiled preview page
    QString sProjectName = QStringLiteral("site.zrj");
};

void PrintTo(const THostileCase& c, std::ostream* os) {
    *os << c.sName;
}

TTestPopup Promo() {
    return TTestPopup("promo");
}

QList<TTestPopup> Popups(std::initializer_list<const char*> ids) {
    QList<TTestPopup> popups;
    for (const char* sID : ids) {
        popups << TTestPopup(sID).Sections("[METHOD]\r\nOnClickSelected=1\r\n").Layers({"\"layer\""});
    }
    return popups;
}

THostileCase Refused(const char* sName, QList<TTestPopup> popups, const char* sRefusal) {
    return THostileCase{sName, std::move(popups), sRefusal};
}

THostileCase Shown(const char* sName, QList<TTestPopup> popups, const char* sCheck) {
    return THostileCase{sName, std::move(popups), "", sCheck};
}

const char* const sGlobalName = "> is a global name of the browser, the language or the popup scripts";

const THostileCase aCases[] = {
    // Texts that broke the generated scripts.
    Shown("WindowsImageFolder",
          {Promo().Sections("[ADVANCED_REFERENCE]\r\nUseCustomSelected=1\r\nCustomPath=C:\\users\\me\\images\r\n"
                            "[SIZE_POSITION]\r\nCanCloseSelected=1\r\n")},
          "document.getElementById('promo_close').style.backgroundImage.indexOf('images/close.gif') >= 0"),
    Shown("ImageFolderWithQuoteAndEscape",
          {Promo().Sections("[ADVANCED_REFERENCE]\r\nUseCustomSelected=1\r\nCustomPath=i\"+(window.pwned=1)+\"\\u\r\n"
                            "[SIZE_POSITION]\r\nCanCloseSelected=1\r\n")},
          "document.getElementById('promo_close') != null"),
    Shown("FontNameWithQuote", {Promo().Sections("[ADVANCED_APPEARANCE]\r\nFont=(Ver\"da\\na,10,,00000000)\r\n")},
          "promo.pars.if8 == '10pt Ver\"da\\\\na'"),
    Shown("FontNameWithCode",
          {Promo().Sections("[ADVANCED_APPEARANCE]\r\nFont=(x\"+(window.pwned=1)+\",10,,00000000)\r\n")},
          "promo.pars.if8 == '10pt x\"+(window.pwned=1)+\"'"),
    Refused("UnterminatedLayer", {Promo().Layers({"\"unterminated"})},
            "Compile Error : Content layer <zep_promo1> of popup <promo> is not one script string"),
    Refused("CodeAfterTheLayer", {Promo().Layers({"\"a\";window.pwned=1"})},
            "Compile Error : Content layer <zep_promo1> of popup <promo> is not one script string"),
    Shown("ImageLinkLeavingItsAttribute",
          {Promo().Sections("[METHOD]\r\nOnClickSelected=1\r\n"
                            "[ADVANCED_METHODS]\r\nImageLink=x\" onerror=\"window.pwned=1\r\n")},
          "document.querySelector('a[onclick] img').getAttribute('src') == 'x\" onerror=\"window.pwned=1'"),
    THostileCase{"ProjectNameWithQuote", {Promo()}, "", "true", QStringLiteral("my\"site.zrj")},
    Refused("IDsetTimeout", {TTestPopup("setTimeout")}, "Compile Error : Unique ID <setTimeout"),
    Refused("IDMath", {TTestPopup("Math")}, "Compile Error : Unique ID <Math"),
    Refused("IDString", {TTestPopup("String")}, "Compile Error : Unique ID <String"),
    Refused("IDarguments", {TTestPopup("arguments")}, "Compile Error : Unique ID <arguments"),
    Refused("IDproto", {TTestPopup("__proto__")}, "Compile Error : Unique ID <__proto__"),
    Shown("IDEndingInAControlCharacter", {TTestPopup("promo\x01")}, "promo.pars.uid == 'promo'"),
    Refused("IDsDifferingInCase", {Promo(), TTestPopup("PROMO")},
            "Compile Error : Unique IDs <promo> and <PROMO> differ only in letter case"),
    Shown("IDsp1Andp10WithLayers", Popups({"p1", "p10"}), "document.querySelectorAll('a[onclick]').length == 4"),
    Shown("IDsp1Andp12WithLayers", Popups({"p1", "p12"}), "document.querySelectorAll('a[onclick]').length == 4"),
    Shown("RawLineSeparatorsInTheContent", {Promo().Html("<p>a\u2028b\u2029c</p>")},
          "document.getElementById('promo_zepC').innerHTML.indexOf('a\\u2028b\\u2029c') >= 0"),
    // Texts handled before, which must stay handled.
    Shown("TitleWithQuotesBackslashAndScriptEnd",
          {Promo().Reference("Title=Say \"hi\" \\ </script> <!-- \u2028 end\r\n")},
          "var t = document.getElementById('promo_zepTitle');"
          "t.textContent.indexOf('Say \"hi\" \\\\ ') == 0 && t.innerHTML.indexOf('<!-- \\u2028 end') > 0"),
    Shown("ContentWithQuotesBackslashAndScriptEnd", {Promo().Html("<p class=\"x\">a\\b</p><!-- c --></script>")},
          "document.getElementById('promo_zepC').innerHTML.indexOf('<p class=\"x\">a\\\\b</p><!-- c -->') >= 0"),
    Shown("ControlCharactersInTitleAndContent",
          {Promo()
               .Reference("Title=a\x01\x1F"
                          "b\r\n")
               .Html(QByteArray("<p>c\x00\x02"
                                "d</p>",
                                11))},
          "document.getElementById('promo_zepTitle').textContent == 'a\\x01\\x1fb' &&"
          "document.getElementById('promo_zepC').textContent.indexOf('d') > 0"),
    Shown("MegabyteContentLine", {Promo().Html("<p>" + QByteArray(1 << 20, 'x') + "</p>")},
          "document.getElementById('promo_zepC').textContent.length >= 1048576"),
    Shown("ContentNotInUtf8", {Promo().Html("<p>caf\xE9</p>")},
          "document.getElementById('promo_zepC').textContent.indexOf('caf\\u00e9') == 0"),
    Shown("NumbersPast32Bits", {Promo().Sections("[SIZE_POSITION]\r\nWidth=99999999999\r\n")},
          "promo.pars.zepw == 350"),
    Refused("ReservedWordAsID", {TTestPopup("class")}, "Compile Error : Unique ID <class> is not a valid script name"),
    Refused("DuplicateIDs", {Promo(), Promo()}, "Compile Error : Unique ID <promo> is used by more than one popup"),
};

class HostileProject : public ::testing::TestWithParam<THostileCase> {};

TEST_P(HostileProject, IsRefusedOrRunsWithTheTextAsData) {
    const THostileCase& c = GetParam();
    QTemporaryDir dir;
    const QString sProject = WriteTestProject(dir.path(), c.sProjectName, c.popups);
    const TRun run = RunCompile({sProject});
    if (*c.sRefusal != 0) {
        EXPECT_EQ(run.iExitCode, 1);
        EXPECT_TRUE(run.sErr.contains(QString::fromUtf8(c.sRefusal))) << run.sErr.toStdString();
        return;
    }
    ASSERT_EQ(run.iExitCode, 0) << run.sErr.toStdString();
    TBrowserPage page;
    const QString sStem = c.sProjectName.left(c.sProjectName.lastIndexOf(u'.'));
    ASSERT_TRUE(page.LoadFile(dir.path() + u'/' + sStem + QStringLiteral("_Preview.html")));
    page.Advance(1500);
    // Images that fail to load have run their error handlers once they are complete.
    EXPECT_TRUE(page.WaitFor(
        QStringLiteral("Array.prototype.every.call(document.images, function (i) { return i.complete; })"), 5000));
    // The popup named by its ID without the blanks and control characters around it.
    const QString sPopup =
        QString::fromUtf8(c.popups.front().uniqueID).remove(QRegularExpression("^[\\x00- ]+|[\\x00- ]+$"));
    EXPECT_TRUE(
        page.Run(QStringLiteral("document.getElementById('") + sPopup + QStringLiteral("_zepB') != null")).toBool());
    EXPECT_TRUE(page.Run(QString::fromUtf8(c.sCheck)).toBool()) << c.sCheck;
    EXPECT_EQ(page.Run(QStringLiteral("typeof window.pwned")).toString().toStdString(), "undefined");
    EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join(u'\n').toStdString();
}

std::string CaseName(const ::testing::TestParamInfo<THostileCase>& info) {
    return info.param.sName;
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileProject, ::testing::ValuesIn(aCases), CaseName);

// Every global name the engine's window has, and every one the runtime
// library adds, is refused as a unique ID: a popup of that name would
// replace it on the page.
QStringList GlobalNames(TBrowserPage& page) {
    return page
        .Run(QStringLiteral("(function () { var names = new Set(), o, k;"
                            "  for (o = window; o; o = Object.getPrototypeOf(o)) {"
                            "    Object.getOwnPropertyNames(o).forEach(function (n) { names.add(n); }); }"
                            "  for (k in window) { names.add(k); }"
                            "  return Array.from(names).filter(function (n) {"
                            "    return /^[A-Za-z_$][A-Za-z0-9_$]*$/.test(n); }); })()"))
        .toStringList();
}

TEST(GlobalNames, EveryNameOfTheEnginesWindowAndOfTheLibraryIsRefused) {
    QTemporaryDir dir;
    const QString sProject = WriteTestProject(dir.path(), QStringLiteral("site.zrj"), {Promo()});
    ASSERT_EQ(RunCompile({sProject}).iExitCode, 0);
    TBrowserPage page(false);
    ASSERT_TRUE(page.LoadHtml(QStringLiteral("<html><body></body></html>"), QUrl(QStringLiteral("http://localhost/"))));
    const QStringList windowNames = GlobalNames(page);
    ASSERT_GT(windowNames.size(), 500);
    WriteAll(dir.path() + QStringLiteral("/library.html"),
             "<html><body><script src=\"site_zeplib.js\"></script></body></html>");
    ASSERT_TRUE(page.LoadFile(dir.path() + QStringLiteral("/library.html")));
    QStringList libraryNames = GlobalNames(page);
    for (const QString& sName : windowNames) {
        libraryNames.removeAll(sName);
    }
    ASSERT_TRUE(libraryNames.contains(QStringLiteral("QEL")));
    QStringList accepted;
    for (const QString& sName : windowNames + libraryNames) {
        if (IsValidScriptName(sName)) {
            accepted << sName;
        }
    }
    EXPECT_TRUE(accepted.isEmpty()) << accepted.join(u' ').toStdString();
}

} // namespace
