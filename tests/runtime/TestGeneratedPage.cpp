#include "TRuntimePage.h"

#include "CommandGenerator.h"
#include "ConstructorGenerator.h"
#include "TScriptForm.h"
#include "TZEPInstance.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <iostream>

namespace {

// A linking script as the compiler writes it for two popups: a centred popup
// that opens at once and one that drops in after 2 s and slides out 5 s later.
const QStringList LinkingScript = {
    "//****** Brisola Version 4.0.2.80 Script Version 3.02 ******",
    "var dm=document.getElementById?1:0;var ie5x=(document.all&&dm)?1:0;var op=navigator.userAgent.indexOf('Opera')!="
    "-1;var mci=navigator.userAgent.indexOf('Mac')!=-1;var df=(ie5x||op)&&mci;var rf=!df;",
    "if(rf){",
    "function initZEP(){bdf=0;",
    "// *** Begin advanced user scripting area ***",
    "  htmlstring=\"<p id='hello'>Hello visitor</p>\";",
    "  promo = new QEL.zep.zepInstance(\"promo\", 5, \"#1C5EA2\", 0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 5, 0, 1, 0, 0, 0, "
    "100, 100, 300, 200, 1, \"#FFFFFF\", \"#1C5EA2\", \"#FFFFFF\", 1, 6, \"#808080\", 0, 1, 1, 1, 0, \"10pt Tahoma\", "
    "\"#000000\", 0, 0);",
    "  promo.zep(\"promo\",htmlstring,\"Welcome\");",
    "  if(!promo.pars.isc){",
    "    QEL.zep.zepShow('promo');",
    "  }",
    "  htmlstring=\"<p>Later</p>\";",
    "  later = new QEL.zep.zepInstance(\"later\", 2, \"#000000\", 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 5, 0, 1, 0, 0, 0, "
    "40, 137, 200, 100, 0, \"#FFFFFF\", \"#000000\", \"#FFFF00\", 0, 6, \"#808080\", 0, 0, 1, 0, 0, \"bold 9pt "
    "Arial\", "
    "\"#000000\", 0, 0);",
    "  later.zep(\"later\",htmlstring,\"\");",
    "  if(!later.pars.isc){",
    "    later.zepTimer('later','QEL.zep.zepDropin','QEL.zep.zepShow','QEL.zep.zepSlideout','',2,5);",
    "  }",
    "// *** End advanced user scripting area ***",
    "}",
    "if(window.addEventListener){window.addEventListener('load', initZEP);}else{window.attachEvent('onload', "
    "initZEP);}",
    "}",
};

const char* IncludeScripts = "<script type=\"text/javascript\" src=\"promo.js\"></script>";

TEST(GeneratedPage, LinkingScriptBuildsPlacesShowsAndTimesThePopups) {
    TRuntimePage page;
    ASSERT_TRUE(WriteTextLines(QDir(page.Folder()).filePath("promo.js"), LinkingScript));
    ASSERT_TRUE(page.Open(IncludeScripts));
    EXPECT_EQ(page.Run("geo('promo_zepB').vis").toString(), "hidden");
    page.Advance(250);
    const QVariantMap box = page.Run("geo('promo_zepB')").toMap();
    EXPECT_EQ(box["vis"].toString(), "visible");
    EXPECT_EQ(box["left"].toInt(), 1000 / 2 - 8 - 310 / 2);
    EXPECT_EQ(box["top"].toInt(), 800 / 2 - 210 / 2);
    EXPECT_EQ(box["pos"].toString(), "absolute");
    EXPECT_EQ(page.Run("document.getElementById('promo_zepTitle').innerHTML").toString(), "Welcome");
    EXPECT_EQ(page.Run("document.getElementById('hello').textContent").toString(), "Hello visitor");

    EXPECT_EQ(page.Run("geo('later_zepB').vis").toString(), "hidden");
    page.Advance(2000);
    EXPECT_EQ(page.Run("geo('later_zepB').vis").toString(), "visible");
    EXPECT_LT(page.Run("geo('later_zepB').top").toInt(), 0) << "dropping in from above the view";
    page.Advance(2000);
    EXPECT_EQ(page.Run("geo('later_zepB').top").toInt(), 137);
    page.Advance(5000);
    EXPECT_EQ(page.Run("geo('later_zepB').vis").toString(), "hidden");
    EXPECT_EQ(page.Run("geo('later_zepB').left").toInt(), 40);
    EXPECT_EQ(page.Run("geo('promo_zepB').vis").toString(), "visible");
    EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString();
}

// The generators' own texts: constructor statement, build call and guarded
// command of a popup that bounces in after 1 s and fades out 3 s later.
TEST(GeneratedPage, GeneratorsTextsDriveTheLibrary) {
    TZEPInstance promo(nullptr);
    promo.sUniqueID = "promo";
    promo.bTitleSelected = 1;
    promo.sTitle = "Welcome";
    promo.HTMLFile = QStringList{"<p id='hi'>Hi there</p>"};
    promo.bBorder = 1;
    promo.iBorderSize = 5;
    promo.bShadow = 1;
    promo.iShadowSize = 6;
    promo.bCanClose = 1;
    promo.iWidth = 300;
    promo.iHeight = 200;
    promo.iLeft = 100;
    promo.iTop = 137;
    promo.EntryEffect = eeBounce;
    promo.bOpenAfterSelected = 1;
    promo.iOpenAfterDelay = 1;
    promo.ExitEffect = xeFadeOut;
    promo.bCloseAfterSelected = 1;
    promo.iCloseAfterDelay = 3;
    const QStringList script = {
        "if(true){",
        "function initZEP(){bdf=0;",
        "  htmlstring=" + promo.GetHTMLForScript() + ";",
        "  " + CreateInstanceFunction(promo),
        "  promo.zep(\"promo\",htmlstring,\"Welcome\");",
        GenerateCommandString(promo, promo.sUniqueID, QString()),
        "}",
        "initZEP();",
        "}",
    };
    TRuntimePage page;
    ASSERT_TRUE(WriteTextLines(QDir(page.Folder()).filePath("promo.js"), script));
    ASSERT_TRUE(page.Open(IncludeScripts));
    page.Advance(1249);
    EXPECT_EQ(page.Run("geo('promo_zepB').vis").toString(), "hidden");
    page.Advance(1);
    EXPECT_EQ(page.Run("geo('promo_zepB').vis").toString(), "visible");
    EXPECT_LT(page.Run("geo('promo_zepB').top").toInt(), 0);
    page.Advance(1500);
    EXPECT_EQ(page.Run("geo('promo_zepB').top").toInt(), 137);
    EXPECT_EQ(page.Run("geo('promo_zepB').left").toInt(), 100);
    EXPECT_EQ(page.Run("document.getElementById('hi').textContent").toString(), "Hi there");
    page.Advance(1250 + 100);
    EXPECT_LT(page.Run("geo('promo_zepB').op").toDouble(), 0.8) << "fading out 3 s after the entry";
    page.Advance(1000);
    EXPECT_EQ(page.Run("geo('promo_zepB').vis").toString(), "hidden");
    EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString();
}

// Real time, no fake clock: from the moment the library starts loading to the
// first popup box becoming visible.
TEST(GeneratedPage, FirstPopupBecomesVisibleSoonAfterTheLibraryLoads) {
    TRuntimePage page(false);
    ASSERT_TRUE(WriteTextLines(QDir(page.Folder()).filePath("promo.js"), LinkingScript));
    const QString sWatch =
        "<script>window.libStart = performance.now(); window.firstVisible = 0;"
        "new MutationObserver(function () {"
        "  var b = document.getElementById('promo_zepB');"
        "  if (!firstVisible && b && b.style.visibility == 'visible') { firstVisible = performance.now(); }"
        "}).observe(document.documentElement, {attributes: true, subtree: true, attributeFilter: ['style']});"
        "</script>";
    ASSERT_TRUE(page.Open(IncludeScripts, sWatch));
    ASSERT_TRUE(page.WaitFor("firstVisible > 0", 5000));
    const double dMs = page.Run("firstVisible - libStart").toDouble();
    std::cout << "[ MEASURED ] library load to first popup visible: " << dMs << " ms" << std::endl;
    std::cout << "[ MEASURED ] library file: " << QFile(page.LibraryPath()).size() << " bytes" << std::endl;
    EXPECT_GE(dMs, 250.0);
    EXPECT_LT(dMs, 2000.0);
}

} // namespace

namespace {

// The mask picture decodes in the browser: 50 x 50 pixels of #AAABBB at alpha 129.
TEST(GeneratedPage, MaskPictureDecodesInTheBrowser) {
    TRuntimePage page;
    QFile png(QDir(page.Folder()).filePath("ZEPMask.png"));
    ASSERT_TRUE(png.open(QIODevice::WriteOnly));
    png.write(TScriptForm().ZEPMaskImage);
    png.close();
    ASSERT_TRUE(page.Open("<img id='mask' src='ZEPMask.png'>"));
    ASSERT_TRUE(page.WaitFor("document.getElementById('mask').complete", 5000));
    const QVariantList pixel =
        page.Run("var i = document.getElementById('mask'), c = document.createElement('canvas');"
                 "c.width = 50; c.height = 50; var g = c.getContext('2d'); g.drawImage(i, 0, 0);"
                 "[i.naturalWidth, i.naturalHeight].concat(Array.from(g.getImageData(49, 49, 1, 1).data))")
            .toList();
    ASSERT_EQ(pixel.size(), 6);
    EXPECT_EQ(pixel[0].toInt(), 50);
    EXPECT_EQ(pixel[1].toInt(), 50);
    EXPECT_NEAR(pixel[2].toInt(), 0xAA, 1);
    EXPECT_NEAR(pixel[3].toInt(), 0xAB, 1);
    EXPECT_NEAR(pixel[4].toInt(), 0xBB, 1);
    EXPECT_EQ(pixel[5].toInt(), 129);
}

} // namespace
