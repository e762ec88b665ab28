#include "TRuntimePage.h"

#include <gtest/gtest.h>

namespace {

// Page views in one browser profile: cookies carry over from view to view.
class RuntimeVisits : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString(); }

    // Opens a new page view and builds the popup there; answers its isc.
    int View(const QString& sUid, const QString& sParameters) {
        EXPECT_TRUE(page.Open());
        return page.Run(QString("buildPopup('%1', %2)").arg(sUid, sParameters)).toInt();
    }
    QString Cookies() { return page.Run("document.cookie").toString(); }

    TRuntimePage page;
};

TEST_F(RuntimeVisits, OncePerPeriodShowsOnlyOnTheFirstView) {
    EXPECT_EQ(View("p", "{issp: 1, plt: 7 * 86400}"), 0);
    EXPECT_TRUE(Cookies().contains("p_sp=true"));
    EXPECT_EQ(View("p", "{issp: 1, plt: 7 * 86400}"), 1);
    EXPECT_EQ(View("p_s", "{issp: 0}"), 0) << "cookie names are not confused by a common prefix";
}

TEST_F(RuntimeVisits, OncePerSessionBeatsTheNeverAgainCookie) {
    EXPECT_EQ(View("p", "{oo7: 1}"), 0);
    page.Run("p.dontShowAgain()");
    EXPECT_EQ(View("p", "{oo7: 1}"), 1);
    EXPECT_EQ(View("q", "{}"), 0);
    page.Run("q.dontShowAgain()");
    EXPECT_EQ(View("q", "{}"), 1) << "never again applies to popups without a frequency rule";
}

TEST_F(RuntimeVisits, RotationCyclesThroughTheContents) {
    QStringList shown;
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(page.Open());
        page.Run("zep_offer = 'main'; zep_offer1 = 'one'; zep_offer2 = 'two'; buildPopup('offer', {rot: 1})");
        shown << page.Run("document.getElementById('offer_zepC').innerHTML").toString();
    }
    EXPECT_EQ(shown, (QStringList{"main", "one", "two", "main"}));
    page.Run("document.cookie = 'offer_rotation=abc; path=/'");
    EXPECT_TRUE(page.Open());
    page.Run("zep_offer = 'main'; zep_offer1 = 'one'; buildPopup('offer', {rot: 1})");
    EXPECT_EQ(page.Run("document.getElementById('offer_zepC').innerHTML").toString(), "main");
}

TEST_F(RuntimeVisits, TooltipFadesInNextToThePointerAndOutWhenItLeaves) {
    ASSERT_TRUE(page.Open("<a id='tt1' href='#'>words</a>"));
    page.Run("buildPopup('tip', {zepw: 200, zeph: 100});"
             "tip.zepTooltip('tip', 'tt1', 250, 120, 15, -60, '<i>tip</i>', '#FFFFE0', 1,"
             "  new MouseEvent('mouseover', {clientX: 300, clientY: 200}))");
    const QVariantMap box = page.Run("geo('tip_zepB')").toMap();
    EXPECT_EQ(box["left"].toInt(), 315);
    EXPECT_EQ(box["top"].toInt(), 140);
    EXPECT_EQ(box["width"].toInt(), 260);
    page.Advance(1000);
    EXPECT_EQ(page.Run("geo('tip_zepB').vis").toString(), "visible");
    EXPECT_NEAR(page.Run("geo('tip_zepB').op").toDouble(), 0.98, 1e-6);
    page.Run("document.getElementById('tt1').dispatchEvent(new MouseEvent('mouseout'))");
    page.Advance(1000);
    EXPECT_EQ(page.Run("geo('tip_zepB').vis").toString(), "hidden");
}

} // namespace
