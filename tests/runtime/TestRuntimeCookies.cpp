#include "RuntimeTest.h"

#include <QRegularExpression>
#include <QWebEngineCookieStore>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

// Records every cookie text the page writes, and answers a written cookie's
// lifetime in seconds (the expiry has whole seconds, hence the rounding up).
const char* CookieSpy = "window.cookieTexts = [];"
                        "(function () {"
                        "  var d = Object.getOwnPropertyDescriptor(Document.prototype, 'cookie');"
                        "  Object.defineProperty(document, 'cookie', {configurable: true,"
                        "    get: function () { return d.get.call(document); },"
                        "    set: function (v) { cookieTexts.push(v); d.set.call(document, v); }});"
                        "})();"
                        "window.cookieText = function (name) {"
                        "  return cookieTexts.filter(function (t) { return t.indexOf(name + '=') == 0; }).pop();"
                        "};"
                        "window.lifetime = function (name) {"
                        "  var m = /;expires=([^;]*)/.exec(cookieText(name));"
                        "  return m ? Math.ceil((new Date(m[1]).getTime() - Date.now()) / 1000) : 0;"
                        "};";

const char* RotationContents = "<script>var zep_offer = 'Main', zep_offer1 = 'One', zep_offer2 = 'Two';</script>";

const QString ExpiresPattern = "expires=\\w{3}, \\d\\d \\w{3} \\d{4} \\d\\d:\\d\\d:\\d\\d GMT";

class RuntimeCookies : public RuntimeTest {
protected:
    bool OpenWithSpy(const QString& sHead = QString()) {
        if (!Open(QString(), sHead)) {
            return false;
        }
        Js(CookieSpy);
        return true;
    }
    int Build(const QString& sUid, const QString& sParameters) {
        return Int(QString("buildPopup('%1', {%2})").arg(sUid, sParameters));
    }
    QString Content(const QString& sUid) { return Str("document.getElementById('" + sUid + "_zepC').innerHTML"); }
    void ExpireCookie(const QString& sName) {
        Js("document.cookie = '" + sName + "=; expires=Thu, 01 Jan 1970 00:00:00 GMT; path=/'");
    }
};

TEST_F(RuntimeCookies, OncePerPeriodShowsOnceAndThenBuildsHidden) {
    ASSERT_TRUE(OpenWithSpy());
    EXPECT_EQ(Build("op", "issp: 1, plt: 604800"), 0);
    EXPECT_EQ(Int("lifetime('op_sp')"), 7 * 86400);
    EXPECT_TRUE(QRegularExpression("^op_sp=true;" + ExpiresPattern + "; path=/; SameSite=Lax$")
                    .match(Str("cookieText('op_sp')"))
                    .hasMatch())
        << Str("cookieText('op_sp')").toStdString();

    ASSERT_TRUE(Open());
    EXPECT_EQ(Build("op", "issp: 1, plt: 604800"), 1);
    EXPECT_TRUE(Js("!!document.getElementById('op_zepB')").toBool()) << "built, but not to be shown";
    EXPECT_EQ(Int("op.pars.isc"), 1);
}

TEST_F(RuntimeCookies, OncePerSessionAndNeverAgainWithTheirPrecedence) {
    ASSERT_TRUE(OpenWithSpy());
    EXPECT_EQ(Build("s", "oo7: 1"), 0);
    EXPECT_EQ(Str("cookieText('s_s')"), "s_s=true; path=/; SameSite=Lax");
    EXPECT_EQ(Build("d", ""), 0);
    Js("d.dontShowAgain()");
    EXPECT_EQ(Int("lifetime('d_misC')"), 86313600);
    // The never-again cookie is not applied to popups using the session or the period rule.
    Js("document.cookie = 'n_misC=true; path=/'; document.cookie = 'q_misC=true; path=/'");
    EXPECT_EQ(Build("n", "oo7: 1"), 0);
    EXPECT_EQ(Build("q", "issp: 1, plt: 0"), 0);
    EXPECT_EQ(Str("cookieText('q_sp')"), "q_sp=true; path=/; SameSite=Lax") << "a period of 0 days: session cookie";

    ASSERT_TRUE(Open());
    EXPECT_EQ(Build("s", "oo7: 1"), 1);
    EXPECT_EQ(Build("d", ""), 1);
    EXPECT_EQ(Build("n", "oo7: 1"), 1);
    EXPECT_EQ(Build("q", "issp: 1, plt: 0"), 1);
}

TEST_F(RuntimeCookies, ValuesAreEscapedAndHttpsPagesWriteSecureCookies) {
    ASSERT_TRUE(OpenWithSpy());
    Js("makePopup('p', {}); p.mca('x', 'a b;c', 0)");
    EXPECT_EQ(Str("cookieText('x')"), "x=a%20b%3Bc; path=/; SameSite=Lax");
    EXPECT_EQ(Str("p.rca('x')"), "a b;c");
    EXPECT_TRUE(Js("p.rca('nothing') === null").toBool());
    Js("QEL.zep.zepSecure = true; p.mca('y', 'v', '')");
    EXPECT_EQ(Str("cookieText('y')"), "y=v; path=/; SameSite=Lax; Secure");
}

TEST_F(RuntimeCookies, NamesAreNotConfusedWithLongerOrShorterNames) {
    Js("document.cookie = 'u_sp=true; path=/'; makePopup('u', {})");
    EXPECT_TRUE(Js("u.rca('u_s') === null").toBool());
    EXPECT_EQ(Build("u", "oo7: 1"), 0) << "u_sp does not count as u_s";
    Js("document.cookie = 'u_sp=; expires=Thu, 01 Jan 1970 00:00:00 GMT; path=/'");
    EXPECT_EQ(Str("u.rca('u_s')"), "true");
    EXPECT_TRUE(Js("u.rca('u_sp') === null").toBool()) << "u_s does not count as u_sp";
    EXPECT_EQ(Build("u2", "issp: 1, plt: 100"), 0);
    Js("document.cookie = 'xu_s=true; path=/'");
    EXPECT_TRUE(Js("u.rca('u_sx') === null && u.rca('xu_s') === 'true'").toBool());
}

TEST_F(RuntimeCookies, RotationCyclesThroughTheContentsAcrossPageViews) {
    const QStringList expected = {"Main", "One", "Two", "Main", "One"};
    for (const QString& sContent : expected) {
        ASSERT_TRUE(Open(QString(), RotationContents));
        EXPECT_EQ(Build("offer", "rot: 1"), 0);
        EXPECT_EQ(Content("offer"), sContent);
    }
    EXPECT_EQ(Str("offer.rca('offer_rotation')"), "2");

    // A value that is not a number restarts at the main content.
    Js("document.cookie = 'offer_rotation=abc; path=/'");
    ASSERT_TRUE(OpenWithSpy(RotationContents));
    Build("offer", "rot: 1");
    EXPECT_EQ(Content("offer"), "Main");
    EXPECT_EQ(Str("offer.rca('offer_rotation')"), "1");
    EXPECT_EQ(Int("lifetime('offer_rotation')"), 86313600);

    // Without rotation the built content stays and no rotation cookie is written.
    Build("plain", "rot: 0");
    EXPECT_EQ(Content("plain"), "Hello");
    EXPECT_TRUE(Js("plain.rca('plain_rotation') === null").toBool());
}

TEST_F(RuntimeCookies, SiteWideRuleShowsOnTheLatestPageWhenTheCountdownEnds) {
    const QString sParameters = "pcc: 1, oo7: 1, tro: 30, shf: 10";
    // First page: the countdown starts.
    ASSERT_TRUE(OpenWithSpy());
    EXPECT_EQ(Build("sw", sParameters), 0);
    EXPECT_EQ(Int("lifetime('sw_p')"), 30);
    EXPECT_EQ(Str("sw.rca('sw_r')"), Str("location.href"));
    page.Advance(15000);
    EXPECT_EQ(Vis("sw_zepB"), "hidden");

    // Second page, 15 s later; the third 10 s after that.
    ASSERT_TRUE(Open());
    EXPECT_EQ(Build("sw", sParameters), 0);
    page.Advance(10000);
    EXPECT_EQ(Vis("sw_zepB"), "hidden");
    ASSERT_TRUE(Open());
    EXPECT_EQ(Build("sw", sParameters), 0);
    EXPECT_EQ(Str("sw.rca('sw_r')"), Str("location.href"));
    page.Advance(5000);
    EXPECT_EQ(Vis("sw_zepB"), "hidden");

    // 30 s after the first view the browser drops the waiting cookie.
    ExpireCookie("sw_p");
    page.Advance(1000 + 250);
    EXPECT_EQ(Vis("sw_zepB"), "visible");
    page.Advance(9749);
    EXPECT_EQ(Vis("sw_zepB"), "visible");
    page.Advance(1);
    EXPECT_EQ(Vis("sw_zepB"), "hidden");

    // Not again in this browser session.
    ASSERT_TRUE(Open());
    EXPECT_EQ(Build("sw", sParameters), 1);
    page.Advance(60000);
    EXPECT_EQ(Vis("sw_zepB"), "hidden");
}

TEST_F(RuntimeCookies, SiteWideLoopStopsWhenAnotherPageWasLoadedSince) {
    EXPECT_EQ(Build("sw", "pcc: 1, oo7: 1, tro: 30, shf: 10"), 0);
    page.Advance(2000);
    Js("document.cookie = 'sw_r=' + escape('http://127.0.0.1/other.html') + '; path=/'");
    ExpireCookie("sw_p");
    page.Advance(5000);
    EXPECT_EQ(Vis("sw_zepB"), "hidden");
    EXPECT_EQ(Int("fakeClock.pending()"), 0) << "the loop has stopped";
}

TEST_F(RuntimeCookies, WithoutCookiesEveryRuleShowsOnEveryPageView) {
    // The browser refuses every cookie, as with cookies turned off by the visitor.
    page.View().page()->profile()->cookieStore()->setCookieFilter(
        [](const QWebEngineCookieStore::FilterRequest&) { return false; });
    for (int iView = 0; iView < 2; ++iView) {
        ASSERT_TRUE(Open(QString(), RotationContents));
        ASSERT_EQ(Str("document.cookie = 'probe=1; path=/'; document.cookie"), "");
        EXPECT_EQ(Build("per", "issp: 1, plt: 604800"), 0) << iView;
        EXPECT_EQ(Build("ses", "oo7: 1"), 0) << iView;
        EXPECT_EQ(Build("offer", "rot: 1"), 0) << iView;
        EXPECT_EQ(Content("offer"), "Main") << iView;
        Js("per.dontShowAgain()");
        EXPECT_EQ(Build("never", ""), 0) << iView;

        // The site-wide countdown runs on the page alone.
        EXPECT_EQ(Build("sw", "pcc: 1, oo7: 1, tro: 30, shf: 10"), 0) << iView;
        page.Advance(30000 + 249);
        EXPECT_EQ(Vis("sw_zepB"), "hidden") << iView;
        page.Advance(1);
        EXPECT_EQ(Vis("sw_zepB"), "visible") << iView;
        page.Advance(9750);
        EXPECT_EQ(Vis("sw_zepB"), "hidden") << iView;
    }
}

} // namespace
