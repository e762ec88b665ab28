#include "RuntimeTest.h"

namespace {

// The modal mask: a popup "zepMask" shown with a modal popup (msk 1) takes the
// Tab key (current browsers) or the select boxes and tab stops (IE-like
// browsers) away until the modal popup hides.
const char* FormPage = "<form><input id=\"i1\"><input id=\"i2\">"
                       "<select id=\"s1\"><option>a</option></select></form>"
                       "<select id=\"s2\"><option>b</option></select><a id=\"l1\" href=\"#\" tabindex=\"3\">link</a>";

class RuntimeMask : public RuntimeTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Open(FormPage));
        Js("buildPopup('zepMask', {zepx: 0, zepy: 0, zepw: 1000, zeph: 800, it9: 0, is6: 0, ir9: 0, cc6: 0});"
           "buildPopup('m', {msk: 1})");
    }
    void ShowModal() {
        Js("QEL.zep.zepShow('zepMask'); QEL.zep.zepShow('m')");
        page.Advance(250);
    }
    // Presses Tab in the browser (a real key event, not a script event) and
    // answers the id of the element that has the focus afterwards.
    QString TabFrom(const QString& sId) {
        Js("document.getElementById('" + sId + "').focus()");
        EXPECT_TRUE(page.PressKey(Qt::Key_Tab)) << "the key reached the page";
        return Str("document.activeElement.id");
    }
};

TEST_F(RuntimeMask, TabMovesNoFocusOnThePageWhileTheMaskShows) {
    ASSERT_EQ(TabFrom("i1"), "i2") << "Tab works before the mask shows";
    Js("QEL.zep.zepShow('zepMask')");
    page.Advance(250);
    EXPECT_EQ(TabFrom("i1"), "i1") << "the mask alone takes Tab away";
    ShowModal();
    EXPECT_EQ(Vis("zepMask_zepB"), "visible");
    EXPECT_EQ(TabFrom("i1"), "m_close") << "Tab stays in the modal popup and never reaches the page";
    EXPECT_EQ(TabFrom("i2"), "m_close");
    EXPECT_FALSE(Js("document.dispatchEvent(new KeyboardEvent('keypress', {keyCode: 9, cancelable: true}))").toBool());
    EXPECT_FALSE(Js("document.dispatchEvent(new KeyboardEvent('keydown', {keyCode: 9, cancelable: true}))").toBool());
    EXPECT_TRUE(Js("document.dispatchEvent(new KeyboardEvent('keydown', {keyCode: 65, cancelable: true}))").toBool())
        << "other keys pass";

    Js("QEL.zep.zepHide('m')");
    for (const char* sSuffix : {"_zepB", "_zepC", "_zepT", "_close"}) {
        EXPECT_EQ(Vis(QString("zepMask") + sSuffix), "hidden") << sSuffix;
    }
    EXPECT_EQ(Vis("m_zepB"), "hidden");
    EXPECT_TRUE(Js("document.dispatchEvent(new KeyboardEvent('keypress', {keyCode: 9, cancelable: true}))").toBool());
    EXPECT_EQ(Js("document.onkeypress").toString(), "") << "the page's own handler property stays free";
    EXPECT_EQ(TabFrom("i1"), "i2") << "Tab works again after the modal popup hid";
}

TEST_F(RuntimeMask, HidingAPopupThatIsNotModalLeavesTheMask) {
    Js("buildPopup('other', {msk: 0})");
    ShowModal();
    Js("QEL.zep.zepShow('other')");
    page.Advance(250);
    Js("QEL.zep.zepHide('other')");
    EXPECT_EQ(Vis("zepMask_zepB"), "visible");
    EXPECT_EQ(TabFrom("i1"), "m_close");
}

TEST_F(RuntimeMask, IeLikeBrowsersLoseSelectBoxesAndTabStopsWhileTheMaskShows) {
    Js("QEL.zep.mie = true; QEL.zep.ie7p = true");
    Js("QEL.zep.zepContent('m', '<form><input id=\"own\" tabindex=\"2\"><select id=\"ownSelect\"></select></form>')");
    Js("QEL.zep.zepShow('zepMask'); QEL.zep.zepShow('m')");
    page.Advance(99);
    EXPECT_EQ(Str("getComputedStyle(document.getElementById('s1')).visibility"), "visible") << "after 100 ms";
    page.Advance(1);
    EXPECT_EQ(Str("getComputedStyle(document.getElementById('s1')).visibility"), "hidden");
    EXPECT_EQ(Str("getComputedStyle(document.getElementById('s2')).visibility"), "visible")
        << "only select boxes of forms";
    EXPECT_EQ(Int("document.getElementById('i1').tabIndex"), -1);
    EXPECT_EQ(Int("document.getElementById('i2').tabIndex"), -1);
    EXPECT_EQ(Int("document.getElementById('l1').tabIndex"), -1);
    EXPECT_EQ(Int("document.getElementById('own').tabIndex"), 2) << "the popup's own controls stay usable";
    EXPECT_EQ(Str("document.getElementById('ownSelect').style.visibility"), "");

    // A second show of the mask keeps the saved tab indexes.
    Js("QEL.zep.zepShow('zepMask')");
    page.Advance(250);
    Js("QEL.zep.zepHide('m')");
    EXPECT_EQ(Str("getComputedStyle(document.getElementById('s1')).visibility"), "visible");
    EXPECT_EQ(Int("document.getElementById('i1').tabIndex"), 0);
    EXPECT_EQ(Int("document.getElementById('i2').tabIndex"), 0);
    EXPECT_EQ(Int("document.getElementById('l1').tabIndex"), 3);
    EXPECT_EQ(Vis("zepMask_zepB"), "hidden");

    // Hiding a modal popup while the stops are in place leaves them as they are.
    Js("document.getElementById('i1').tabIndex = 5; QEL.zep.zepHide('m')");
    EXPECT_EQ(Int("document.getElementById('i1').tabIndex"), 5);
}

} // namespace
