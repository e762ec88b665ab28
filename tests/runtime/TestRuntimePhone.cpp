// Popups on a phone: a 360 x 640 view with a touch screen and no mouse, on a
// page of the test's own with a viewport meta tag.
#include "LoopWait.h"
#include "TRuntimePage.h"
#include "TTouchScreen.h"

#include <gtest/gtest.h>

#include <QRect>

namespace {

// The engine reads its flags when it starts, so they are set before the
// program's main: touch events on, a coarse primary pointer without hover,
// overlay scroll bars as on phones, and remote debugging for the touch input.
const bool bPhoneEngine = [] {
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--touch-events=enabled --blink-settings=primaryPointerType=2,"
                                          "availablePointerTypes=2,primaryHoverType=1,availableHoverTypes=1 "
                                          "--enable-features=OverlayScrollbar");
    return TTouchScreen::EnableRemoteDebugging();
}();

const char* ViewportMeta = "<meta name='viewport' content='width=device-width, initial-scale=1'>";

class RuntimePhone : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(page.Open(sBody, ViewportMeta)); }
    void TearDown() override { EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString(); }

    QRect Rect(const QString& sId) {
        const QVariantMap r = page.Run("geo('" + sId + "').rect").toMap();
        return QRect(r["x"].toInt(), r["y"].toInt(), r["width"].toInt(), r["height"].toInt());
    }
    // Builds and shows the popup and checks that box and shadow lie 8 px inside the view.
    void ExpectInside(const QString& sUid, const QString& sParams) {
        page.Run("buildPopup('" + sUid + "', " + sParams + "); QEL.zep.zepShow('" + sUid + "')");
        page.Advance(400);
        const QRect inner(8, 8, 360 - 16, 640 - 16);
        for (const QString& sPart : {sUid + "_zepB", sUid + "_zepS"}) {
            EXPECT_TRUE(inner.contains(Rect(sPart))) << sParams.toStdString() << " " << sPart.toStdString();
        }
    }
    TTouchScreen& Touch() {
        if (!oTouch) {
            oTouch = std::make_unique<TTouchScreen>(QStringLiteral("127.0.0.1"));
        }
        return *oTouch;
    }
    int ScrollY() { return page.Run("window.scrollY").toInt(); }

    QString sBody = "<div style='height:4000px'>page</div>";
    TRuntimePage page{true, QSize(360, 640)};
    std::unique_ptr<TTouchScreen> oTouch;
};

TEST_F(RuntimePhone, PopupsTooLargeForTheViewFitInsideItAndGetTheirDesignBackWhenItGrows) {
    ASSERT_EQ(page.Run("document.documentElement.clientWidth + 'x' + matchMedia('(pointer: coarse)').matches"),
              "360xtrue");
    ExpectInside("p", "{zepx: 120, zepy: 80, zepw: 350, zeph: 210}");
    ExpectInside("c", "{pla: 1, zepw: 400, zeph: 300}");
    ExpectInside("r", "{pla: 8, zepw: 400, zeph: 300}");
    EXPECT_EQ(page.Run("getComputedStyle(document.getElementById('c_zepC')).overflow"), "auto")
        << "the content scrolls when it no longer fits";

    page.Run("buildPopup('f', {pla: 5, fw7: 1, zepw: 400, zeph: 300}); QEL.zep.zepShow('f')");
    page.Advance(400);
    EXPECT_EQ(Rect("f_zepB").left(), 0);
    EXPECT_EQ(Rect("f_zepB").width(), 360) << "full width is exactly the view's width";

    page.ResizeViewport(QSize(1000, 800));
    ASSERT_TRUE(page.WaitFor("document.documentElement.clientWidth == 1000 && geo('p_zepB').left == 120", 10000));
    EXPECT_EQ(Rect("p_zepB"), QRect(120, 80, 350 + 10, 210 + 10)) << "designed size and place";
    EXPECT_EQ(Rect("c_zepB").width(), 410);
}

TEST_F(RuntimePhone, CloseControlIsA44PixelTargetAndATapCloses) {
    page.Run("buildPopup('p', {zepx: 20, zepy: 100, zepw: 300, zeph: 200}); QEL.zep.zepShow('p')");
    page.Advance(400);
    const QRect close = Rect("p_close");
    EXPECT_EQ(close.size(), QSize(44, 44));
    EXPECT_EQ(page.Run("getComputedStyle(document.getElementById('p_close')).backgroundPosition"), "50% 50%");
    ASSERT_TRUE(Touch().IsOpen());
    ASSERT_TRUE(Touch().Tap(close.center() + QPoint(15, 15)));
    ASSERT_TRUE(page.WaitFor("geo('p_zepB').vis == 'hidden'", 5000)) << "a tap near the corner of the target closes";
}

TEST_F(RuntimePhone, GreyOutHoldsThePageStillUntilItCloses) {
    page.Run("document.body.style.overflow = 'auto';"
             "buildPopup('zepMask', {is6: 0, cc6: 0, it9: 0}, '', ''); buildPopup('m', {msk: 1, zepw: 300});"
             "QEL.zep.zepShow('m'); QEL.zep.zepShow('zepMask')");
    page.Advance(400);
    ASSERT_TRUE(Touch().IsOpen());
    ASSERT_TRUE(Touch().Swipe(QPoint(180, 500), QPoint(180, 150), 10, 10));
    LetTimePass(300);
    EXPECT_EQ(ScrollY(), 0) << "a swipe on the grey-out popup leaves the page where it was";

    page.Run("QEL.zep.zepHide('m')");
    EXPECT_EQ(page.Run("document.body.style.overflow + '/' + document.documentElement.style.overflow"), "auto/");
    ASSERT_TRUE(Touch().Swipe(QPoint(180, 500), QPoint(180, 150), 10, 10));
    EXPECT_TRUE(page.WaitFor("window.scrollY > 100", 5000)) << "after the close the page scrolls";
}

class RuntimePhoneExit : public RuntimePhone {
protected:
    void SetUp() override {
        RuntimePhone::SetUp();
        page.Run("window.exits = 0; window.runCmdSet = function () { exits++; }; buildPopup('x', {isex: 1})");
        page.Advance(1000);
        page.Run("window.scrollTo(0, 0.4 * (document.documentElement.scrollHeight - innerHeight))");
        ASSERT_TRUE(page.WaitFor("window.scrollY > 1000", 5000));
        ASSERT_TRUE(Touch().IsOpen());
    }
};

TEST_F(RuntimePhoneExit, FastSwipeBackUpFromFortyPercentDownFiresOnce) {
    ASSERT_TRUE(Touch().Swipe(QPoint(180, 100), QPoint(180, 500), 8, 0));
    EXPECT_TRUE(page.WaitFor("exits == 1", 5000));
    ASSERT_TRUE(Touch().Swipe(QPoint(180, 100), QPoint(180, 500), 8, 0));
    LetTimePass(500);
    EXPECT_EQ(page.Run("exits").toInt(), 1) << "once per page";
}

TEST_F(RuntimePhoneExit, SlowSwipeBackUpNeverFires) {
    const int iBefore = ScrollY();
    ASSERT_TRUE(Touch().Swipe(QPoint(180, 100), QPoint(180, 500), 40, 25));
    LetTimePass(500);
    EXPECT_LT(ScrollY(), iBefore - 300) << "the page did scroll back up";
    EXPECT_EQ(page.Run("exits").toInt(), 0);
}

} // namespace
