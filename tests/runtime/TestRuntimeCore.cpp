#include "TRuntimePage.h"

#include "LibraryAssembly.h"
#include "TScriptForm.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <QDir>

namespace {

class RuntimeCore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(page.Open());
        ASSERT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString();
    }
    void TearDown() override { EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString(); }

    QVariant Js(const QString& sScript) { return page.Run(sScript); }
    int Int(const QString& sScript) { return page.Run(sScript).toInt(); }
    QVariantMap Geo(const QString& sId) { return page.Run("geo('" + sId + "')").toMap(); }
    QString Vis(const QString& sId) { return Geo(sId).value("vis").toString(); }

    TRuntimePage page;
};

TEST(RuntimeLibrary, JoinedLibraryTextAndGatedFileRunInTheBrowser) {
    TScriptForm store;
    store.InitialiseScript();
    TLibraryAssembly assembly(store);
    const QString sCode = assembly.GetScopedLibraryCode(nullptr);
    ASSERT_FALSE(sCode.contains('\n'));

    TRuntimePage page;
    const QString sInlinePath = QDir(page.Folder()).filePath("inline.html");
    ASSERT_TRUE(WriteTextFileWhole(sInlinePath, "<!DOCTYPE html><html><head><script>" + sCode +
                                                    "\nwindow.libOk = typeof QEL.zep.zepInstance;</script>"
                                                    "</head><body></body></html>"));
    ASSERT_TRUE(page.LoadFile(sInlinePath));
    EXPECT_EQ(page.Run("window.libOk").toString(), "function");
    EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString();

    ASSERT_TRUE(page.Open());
    EXPECT_EQ(page.Run("typeof QEL.zep.zepInstance + ' ' + rf").toString(), "function true");
    EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString();
}

TEST_F(RuntimeCore, ConstructorClampsBorderPaddingAndSize) {
    Js("buildPopup('p', {bwh: 20, cpad: 30, zepw: 30, zeph: 20, it9: 0})");
    EXPECT_EQ(Int("p.pars.bwh"), 15);
    EXPECT_EQ(Int("p.pars.cpad"), 15);
    EXPECT_EQ(Int("p.pars.zepw"), 50);
    EXPECT_EQ(Int("p.pars.zeph"), 50);
    const QVariantMap box = Geo("p_zepB");
    EXPECT_EQ(box["width"].toInt(), 80);
    EXPECT_EQ(box["height"].toInt(), 80);
    const QVariantMap content = Geo("p_zepC");
    EXPECT_EQ(content["width"].toInt(), 20);
    EXPECT_EQ(content["left"].toInt(), 15);
}

TEST_F(RuntimeCore, TitleBarTakesTwentyPixelsOfTheInnerHeight) {
    Js("buildPopup('t', {zepx: 100, zepy: 80, zepw: 300, zeph: 200, bwh: 5, cpad: 5, shs: 6, it9: 1})");
    Js("buildPopup('n', {zepx: 100, zepy: 80, zepw: 300, zeph: 200, bwh: 5, cpad: 5, shs: 6, it9: 0})");
    QVariantMap title = Geo("t_zepT"), content = Geo("t_zepC");
    EXPECT_EQ(title["height"].toInt(), 20);
    EXPECT_EQ(title["width"].toInt(), 300);
    EXPECT_EQ(content["top"].toInt(), 25);
    EXPECT_EQ(content["height"].toInt(), 170);
    EXPECT_EQ(content["width"].toInt(), 290);
    EXPECT_EQ(Geo("t_zepTitle").value("vis").toString(), "hidden");
    title = Geo("n_zepT");
    content = Geo("n_zepC");
    EXPECT_EQ(title["height"].toInt(), 0);
    EXPECT_EQ(content["top"].toInt(), 5);
    EXPECT_EQ(content["height"].toInt(), 190);
    const QVariantMap box = Geo("t_zepB"), shadow = Geo("t_zepS"), close = Geo("t_close"), grip = Geo("t_rsize");
    EXPECT_EQ(box["left"].toInt(), 100);
    EXPECT_EQ(box["width"].toInt(), 310);
    EXPECT_EQ(box["height"].toInt(), 210);
    EXPECT_EQ(shadow["left"].toInt(), 106);
    EXPECT_EQ(shadow["top"].toInt(), 86);
    EXPECT_NEAR(shadow["op"].toDouble(), 0.3, 1e-6);
    EXPECT_EQ(close["left"].toInt(), 285);
    EXPECT_EQ(grip["left"].toInt(), 301);
    EXPECT_EQ(grip["top"].toInt(), 201);
    EXPECT_EQ(Js("document.getElementById('t_zepTitle').innerHTML").toString(), "Title");
}

TEST_F(RuntimeCore, ProbabilityBuildsOnlyWhenTheDrawIsZero) {
    EXPECT_EQ(Int("buildPopup('a', {rn: 1})"), 0);
    EXPECT_TRUE(Js("!!document.getElementById('a_zepB')").toBool());
    Js("Math.random = function () { return 0.3; }");
    EXPECT_EQ(Int("buildPopup('b', {rn: 4})"), 1);
    EXPECT_TRUE(Js("document.getElementById('b_zepB') === null && b.pars.isc === 1").toBool());
    // Commands for a popup without elements do nothing, and raise no error on the page.
    EXPECT_EQ(Js("try { QEL.zep.zepShow('b'); 'quiet'; } catch (e) { String(e); }").toString(), "quiet");
    page.Advance(300);
    Js("Math.random = function () { return 0.2; }");
    EXPECT_EQ(Int("buildPopup('c', {rn: 4})"), 0);
    EXPECT_EQ(Int("buildPopup('d', {rn: 1.333})"), 0);
    EXPECT_TRUE(Js("!!document.getElementById('c_zepB')").toBool());
}

TEST_F(RuntimeCore, LeftSideLocationWithOffsetMakesRoundedLeftTab) {
    Js("makePopup('lt', {pla: 6, zepx: 37, zepw: 304})");
    EXPECT_TRUE(Js("lt.leftTabber").toBool());
    EXPECT_EQ(Int("lt.pars.zepxS"), 40);
    EXPECT_EQ(Int("lt.pars.zepw"), 300);
    Js("makePopup('h', {pla: 3, zepx: 35, zepw: 305})");
    EXPECT_EQ(Int("h.pars.zepxS"), 40);
    EXPECT_EQ(Int("h.pars.zepw"), 310);
    Js("makePopup('c', {pla: 1, zepx: 37})");
    EXPECT_FALSE(Js("c.leftTabber").toBool());
    EXPECT_EQ(Int("c.pars.zepxS"), 37);
}

TEST_F(RuntimeCore, ShowBecomesVisibleAfter250MsAndHideCancelsTheLatestPendingShow) {
    Js("buildPopup('p', {is6: 1, ir9: 1}); QEL.zep.zepShow('p')");
    page.Advance(249);
    EXPECT_EQ(Vis("p_zepB"), "hidden");
    page.Advance(1);
    for (const char* sSuffix : {"_zepB", "_zepS", "_zepT", "_zepC", "_close", "_rsize"}) {
        EXPECT_EQ(Vis(QString("p") + sSuffix), "visible") << sSuffix;
    }
    Js("QEL.zep.zepHide('p')");
    EXPECT_EQ(Vis("p_zepB"), "hidden");
    EXPECT_EQ(Vis("p_zepS"), "hidden");

    // Two shows within 250 ms and a hide at once: the first show still fires.
    Js("QEL.zep.zepShow('p')");
    page.Advance(100);
    Js("QEL.zep.zepShow('p'); QEL.zep.zepHide('p')");
    page.Advance(149);
    EXPECT_EQ(Vis("p_zepB"), "hidden");
    page.Advance(1);
    EXPECT_EQ(Vis("p_zepB"), "visible");
    page.Advance(500);
    EXPECT_EQ(Vis("p_zepB"), "visible");
}

TEST_F(RuntimeCore, ShadowAndGripStayHiddenWhenNotWantedAndCloseElementAlwaysExists) {
    Js("buildPopup('p', {is6: 0, ir9: 0, cc6: 0}); QEL.zep.zepShow('p')");
    page.Advance(300);
    EXPECT_EQ(Vis("p_zepS"), "hidden");
    EXPECT_TRUE(Js("document.getElementById('p_rsize') === null").toBool());
    EXPECT_EQ(Vis("p_close"), "visible");
    EXPECT_EQ(Js("document.getElementById('p_close').style.backgroundImage").toString(), "");
}

TEST_F(RuntimeCore, EveryHideCallsThePageHook) {
    Js("window.hidden = []; window.zepOnHide = function (uid) { hidden.push(uid); };"
       "buildPopup('p', {cc6: 1}); QEL.zep.zepShow('p')");
    page.Advance(300);
    Js("QEL.zep.zepHide('p'); QEL.zep.zepShow('p')");
    page.Advance(300);
    Js("document.getElementById('p_close').click(); QEL.zep.zepSlideout('p')");
    page.Advance(3000);
    Js("QEL.zep.zepFadeout('p')");
    page.Advance(1000);
    EXPECT_EQ(Js("hidden.join(',')").toString(), "p,p,p,p");
    EXPECT_EQ(Vis("p_zepB"), "hidden");
}

TEST_F(RuntimeCore, HidingAModalPopupHidesTheMaskAndCancelsItsPendingCommands) {
    Js("buildPopup('solo', {msk: 1}); QEL.zep.zepShow('solo')");
    page.Advance(300);
    Js("QEL.zep.zepHide('solo')");
    EXPECT_EQ(Vis("solo_zepB"), "hidden") << "a modal popup without a mask instance still hides";

    Js("buildPopup('zepMask', {is6: 0, cc6: 0, it9: 0}, '', ''); buildPopup('m', {msk: 1, cc6: 1});"
       "QEL.zep.zepShow('m'); zepMask.zepTimer('zepMask', 'QEL.zep.zepShow', '', 'QEL.zep.zepFadeout', '', 0, 5)");
    page.Advance(300);
    EXPECT_EQ(Vis("zepMask_zepB"), "visible");
    const QString sKeyPress = "document.dispatchEvent(new KeyboardEvent('keypress', {keyCode: %1, cancelable: true}))";
    EXPECT_FALSE(Js(sKeyPress.arg(9)).toBool()) << "Tab is taken away";
    EXPECT_TRUE(Js(sKeyPress.arg(65)).toBool());
    Js("document.getElementById('m_close').click()");
    EXPECT_EQ(Vis("zepMask_zepB"), "hidden");
    EXPECT_TRUE(Js(sKeyPress.arg(9)).toBool()) << "Tab is given back";
    EXPECT_EQ(page.Run("trace('zepMask_zepB', 'vis', 10000, 5)").toStringList(), QStringList{"hidden"});
}

TEST_F(RuntimeCore, LocationAbsoluteAndRelativeToTheMouse) {
    Js("buildPopup('p', {zepx: 100, zepy: 80, shs: 6})");
    Js("QEL.zep.zepLocation('p', 50, 60, 0)");
    QVariantMap box = Geo("p_zepB"), shadow = Geo("p_zepS");
    EXPECT_EQ(box["left"].toInt(), 50);
    EXPECT_EQ(box["top"].toInt(), 60);
    EXPECT_EQ(shadow["left"].toInt(), 56);
    EXPECT_EQ(shadow["top"].toInt(), 66);
    EXPECT_EQ(Int("QEL.zep.ism3"), 0);

    Js("QEL.zep.zepLocation('p', 15, -60, 1, new MouseEvent('mousemove', {clientX: 200, clientY: 150}))");
    box = Geo("p_zepB");
    EXPECT_EQ(box["left"].toInt(), 215);
    EXPECT_EQ(box["top"].toInt(), 90);
    EXPECT_EQ(Int("p.pars.zepx"), 215);
    EXPECT_EQ(Int("p.pars.zepy"), 90);
    EXPECT_EQ(Int("QEL.zep.ism3"), 1);
}

TEST_F(RuntimeCore, ShowReappliesTheStoredPositionAfterTheViewScrolled) {
    page.Run("document.body.style.height = '3000px'");
    Js("buildPopup('p', {zepx: 100, zepy: 80, isScr: 0}); window.scrollTo(0, 500); QEL.zep.zepShow('p')");
    page.Advance(150);
    EXPECT_EQ(Geo("p_zepB")["top"].toInt(), 580);
    EXPECT_EQ(Int("p.pars.zepy"), 80);
}

TEST_F(RuntimeCore, SizeResizesEveryElementAndIgnoresTooSmallSizes) {
    Js("buildPopup('p', {bwh: 5, cpad: 5, shs: 6, it9: 1, ir9: 1})");
    Js("QEL.zep.zepSize('p', 400, 250)");
    EXPECT_EQ(Geo("p_zepB")["width"].toInt(), 410);
    EXPECT_EQ(Geo("p_zepB")["height"].toInt(), 260);
    EXPECT_EQ(Geo("p_zepS")["width"].toInt(), 410);
    EXPECT_EQ(Geo("p_zepT")["width"].toInt(), 400);
    EXPECT_EQ(Geo("p_zepC")["width"].toInt(), 390);
    EXPECT_EQ(Geo("p_zepC")["height"].toInt(), 220);
    EXPECT_EQ(Geo("p_rsize")["left"].toInt(), 401);
    EXPECT_EQ(Geo("p_rsize")["top"].toInt(), 251);
    EXPECT_EQ(Geo("p_close")["left"].toInt(), 385);
    Js("QEL.zep.zepSize('p', 49, 300); QEL.zep.zepSize('p', 300, 49)");
    EXPECT_EQ(Int("p.pars.zepw"), 400);
    EXPECT_EQ(Int("p.pars.zeph"), 250);
    EXPECT_EQ(Geo("p_zepB")["width"].toInt(), 410);
}

TEST_F(RuntimeCore, ContentAndTitleAreReplaced) {
    Js("buildPopup('p', {})");
    Js("QEL.zep.zepContent('p', '<b id=\"bold\">New</b>')");
    EXPECT_EQ(Js("document.getElementById('p_zepC').innerHTML").toString(), "<b id=\"bold\">New</b>");
    Js("QEL.zep.zepTitle('p', '#FF0000', '#00FF00', 'Offer')");
    EXPECT_EQ(Js("document.getElementById('p_zepTitle').innerHTML").toString(), "Offer");
    EXPECT_EQ(Js("document.getElementById('p_zepTitle').style.backgroundColor").toString(), "rgb(255, 0, 0)");
    EXPECT_EQ(Js("document.getElementById('p_zepTitle').style.color").toString(), "rgb(0, 255, 0)");
    EXPECT_EQ(Int("document.getElementById('p_zepT').children.length"), 1);
}

TEST_F(RuntimeCore, LaterPopupsStackAboveEarlierOnes) {
    Js("buildPopup('a', {}); buildPopup('b', {})");
    const int iShadowA = Geo("a_zepS")["z"].toInt(), iBoxA = Geo("a_zepB")["z"].toInt();
    const int iShadowB = Geo("b_zepS")["z"].toInt(), iBoxB = Geo("b_zepB")["z"].toInt();
    EXPECT_LT(iShadowA, iBoxA);
    EXPECT_LT(iBoxA, iShadowB);
    EXPECT_LT(iShadowB, iBoxB);
}

TEST_F(RuntimeCore, ExitIntentArmsInsideThePageAndFiresOnceAtTheTopOrLeftEdge) {
    Js("window.exits = 0; window.runCmdSet = function () { exits++; }; buildPopup('p', {isex: 1})");
    Js("mouseAt(500, 300); mouseAt(500, 5)");
    EXPECT_EQ(Int("exits"), 0) << "the watcher starts one second after the build";
    page.Advance(1000);
    Js("mouseAt(500, 10); mouseAt(10, 300)");
    EXPECT_EQ(Int("exits"), 0) << "not armed before the pointer was inside the page";
    Js("mouseAt(500, 300); mouseAt(995, 300); mouseAt(500, 795)");
    EXPECT_EQ(Int("exits"), 0) << "right and bottom edges never fire";
    Js("mouseAt(500, 15)");
    EXPECT_EQ(Int("exits"), 1);
    Js("mouseAt(500, 300); mouseAt(3, 300); mouseAt(500, 2)");
    EXPECT_EQ(Int("exits"), 1);
}

TEST_F(RuntimeCore, ExitIntentFiresAtTheLeftEdge) {
    Js("window.exits = 0; window.runCmdSet = function () { exits++; }; buildPopup('p', {isex: 1})");
    page.Advance(1000);
    Js("mouseAt(500, 300); mouseAt(15, 300)");
    EXPECT_EQ(Int("exits"), 1);
}

} // namespace
