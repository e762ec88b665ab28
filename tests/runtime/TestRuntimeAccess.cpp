#include "RuntimeTest.h"

namespace {

// Popups for every visitor: what assistive technology is told (read from the
// engine's own accessibility tree), and the keyboard (real key presses): the
// close control, Escape, and a modal popup that keeps the focus while it shows.
// The page has two inputs of its own before the popups; zepOnHide records hides.
class RuntimeAccess : public RuntimeTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Open("<input id=\"page1\"><input id=\"page2\">"
                         "<script>window.hides = []; function zepOnHide(id) { hides.push(id); }</script>"));
    }
    void Show(const QString& sUids) {
        for (const QString& sUid : sUids.split(u' ')) {
            Js("QEL.zep.zepShow('" + sUid + "')");
        }
        page.Advance(250);
    }
    // Builds the grey-out mask and a modal popup "m" whose content holds two inputs.
    void BuildModal(const QString& sParams = QString()) {
        Js("buildPopup('zepMask', {zepx: 0, zepy: 0, zepw: 1000, zeph: 800, it9: 0, is6: 0, ir9: 0, cc6: 0});"
           "buildPopup('m', {msk: 1" +
           sParams + "}, '<input id=\"a\"><input id=\"b\">', 'Sign up')");
    }
    void Focus(const QString& sId) { Js("document.getElementById('" + sId + "').focus()"); }
    QString Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        EXPECT_TRUE(page.PressKey(key, modifiers)) << "the key reached the page";
        return Focused();
    }
    QString Focused() { return Str("document.activeElement.id || document.activeElement.tagName"); }
    QString Hides() { return Str("hides.join(' ')"); }
    QString Nodes() { return page.AccessibleNodes().join(u'\n'); }
};

TEST_F(RuntimeAccess, ShownPopupsAreNamedDialogsWithACloseButtonAndHiddenOnesAreNotThere) {
    Js("buildPopup('offer', {cc6: 1}, 'Hello', 'Summer offer');"
       "buildPopup('plain', {it9: 0, cc6: 0, zepx: 500}, 'Text', 'Unused title')");
    BuildModal();
    EXPECT_TRUE(page.WaitForAccessible("EditableText: ")) << Nodes().toStdString();
    EXPECT_FALSE(Nodes().contains("Dialog")) << "hidden popups are not in the tree";

    Show("offer plain");
    EXPECT_TRUE(page.WaitForAccessible("Dialog: Summer offer")) << Nodes().toStdString();
    EXPECT_TRUE(page.WaitForAccessible("Dialog: plain")) << "named by the uid without a title bar";
    EXPECT_EQ(page.AccessibleNodes().count("Button: Close"), 1) << "only a popup that can close has the button";

    Js("QEL.zep.zepHide('offer')");
    EXPECT_TRUE(page.WaitForAccessible("Dialog: Summer offer", false)) << Nodes().toStdString();
    EXPECT_TRUE(page.WaitForAccessible("Button: Close", false));

    Show("zepMask m");
    EXPECT_TRUE(page.WaitForAccessible("Dialog: Sign up")) << Nodes().toStdString();
    EXPECT_FALSE(Nodes().contains("zepMask")) << "the mask is decoration";
    EXPECT_EQ(Str("document.getElementById('m_zepB').getAttribute('aria-modal')"), "true");
    EXPECT_TRUE(Js("document.getElementById('plain_zepB').getAttribute('aria-modal') === null").toBool());
    for (const char* sId : {"m_zepS", "m_rsize", "plain_close"}) {
        EXPECT_EQ(Str(QString("document.getElementById('%1').getAttribute('aria-hidden')").arg(sId)), "true") << sId;
    }
}

TEST_F(RuntimeAccess, TooltipIsATooltipThatDescribesItsTrigger) {
    ASSERT_TRUE(Open("<p><a id=\"tt1\" href=\"#\">word</a></p>"));
    Js("buildPopup('tip', {it9: 0}); tip.zepTooltip('tip', 'tt1', 200, 100, 15, -60, 'More about the word',"
       " '#FFFF00', 0, new MouseEvent('mouseover', {clientX: 300, clientY: 400}))");
    page.Advance(250);
    EXPECT_TRUE(page.WaitForAccessible("Link: word / More about the word")) << Nodes().toStdString();
    EXPECT_EQ(Str("document.getElementById('tip_zepB').getAttribute('role')"), "tooltip");
    EXPECT_FALSE(Nodes().contains("Dialog"));
}

TEST_F(RuntimeAccess, TabReachesTheCloseControlAndEnterOrSpaceClosesLikeAClick) {
    Js("buildPopup('p', {cc6: 1}, '<input id=\"inside\">')");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        Js("hides = []");
        Show("p");
        Focus("page2");
        ASSERT_EQ(Press(Qt::Key_Tab), "p_close") << key;
        EXPECT_EQ(Press(Qt::Key_Tab), "inside");
        EXPECT_EQ(Press(Qt::Key_Tab, Qt::ShiftModifier), "p_close");
        Press(key);
        EXPECT_EQ(Vis("p_zepB"), "hidden") << key;
        EXPECT_EQ(Vis("p_close"), "hidden");
        EXPECT_EQ(Hides(), "p") << "the hide path of a click, zepOnHide included";
    }
    Js("hides = []");
    Show("p");
    Js("document.getElementById('p_close').click()");
    EXPECT_EQ(Hides(), "p");
}

TEST_F(RuntimeAccess, EscapeClosesTheFocusedOrTheModalPopupWhenItCanClose) {
    struct TCase {
        const char* sName;
        const char* sBuild;
        const char* sFocus; // empty: nothing has the focus
        bool bCloses;
    };
    const TCase cases[] = {
        {"focused popup", "buildPopup('p', {cc6: 1}, '<input id=\"inside\">')", "inside", true},
        {"popup the focus is not in", "buildPopup('p', {cc6: 1}, '<input id=\"inside\">')", "page1", false},
        {"focused popup without a close control", "buildPopup('p', {cc6: 0}, '<input id=\"inside\">')", "inside",
         false},
        {"modal popup, focus on the page", "buildPopup('p', {cc6: 1, msk: 1})", "", true},
        {"modal popup without a close control", "buildPopup('p', {cc6: 0, msk: 1})", "", false},
    };
    for (const TCase& test : cases) {
        ASSERT_TRUE(Open("<input id=\"page1\"><script>window.hides = []; function zepOnHide(id) {"
                         " hides.push(id); }</script>"));
        Js(test.sBuild);
        Show("p");
        if (*test.sFocus) {
            Focus(test.sFocus);
        } else {
            Js("document.activeElement.blur()");
        }
        Press(Qt::Key_Escape);
        EXPECT_EQ(Vis("p_zepB"), test.bCloses ? "hidden" : "visible") << test.sName;
        EXPECT_EQ(Hides(), test.bCloses ? "p" : "") << test.sName;
    }
}

TEST_F(RuntimeAccess, ModalPopupTakesTheFocusKeepsTabInsideAndGivesTheFocusBack) {
    BuildModal();
    Focus("page1");
    Js("QEL.zep.zepShow('zepMask'); QEL.zep.zepShow('m')");
    page.Advance(249);
    EXPECT_EQ(Focused(), "page1") << "not before the popup shows";
    page.Advance(1);
    EXPECT_EQ(Focused(), "m_close") << "the first focusable element";

    EXPECT_EQ(Press(Qt::Key_Tab), "a");
    EXPECT_EQ(Press(Qt::Key_Tab), "b");
    EXPECT_EQ(Press(Qt::Key_Tab), "m_close") << "round again, never the page";
    EXPECT_EQ(Press(Qt::Key_Tab, Qt::ShiftModifier), "b");
    EXPECT_EQ(Press(Qt::Key_Tab, Qt::ShiftModifier), "a");
    EXPECT_EQ(Press(Qt::Key_Tab, Qt::ShiftModifier), "m_close");
    Focus("page2");
    EXPECT_EQ(Focused(), "m_close") << "focus that lands on the page is brought back";

    Press(Qt::Key_Escape);
    EXPECT_EQ(Vis("m_zepB"), "hidden");
    EXPECT_EQ(Vis("zepMask_zepB"), "hidden");
    EXPECT_EQ(Hides(), "m");
    EXPECT_EQ(Focused(), "page1") << "back where it was";
    EXPECT_EQ(Press(Qt::Key_Tab), "page2") << "Tab is the page's again";
}

TEST_F(RuntimeAccess, ModalPopupWithNothingFocusableFocusesItsBox) {
    Js("buildPopup('m', {msk: 1, cc6: 0}, 'Just text')");
    Focus("page2");
    Show("m");
    EXPECT_EQ(Focused(), "m_zepB");
    EXPECT_EQ(Press(Qt::Key_Tab), "m_zepB");
    Js("QEL.zep.zepHide('m')");
    EXPECT_EQ(Focused(), "page2");
}

TEST_F(RuntimeAccess, PopupThatIsNotModalLeavesTheFocusWhereItIs) {
    Js("buildPopup('p', {cc6: 1}, '<input id=\"inside\">');"
       "p.zepTimer('p', 'QEL.zep.zepShow', '', 'QEL.zep.zepHide', '', 2, 3)");
    Focus("page1");
    page.Advance(2250);
    EXPECT_EQ(Vis("p_zepB"), "visible");
    EXPECT_EQ(Focused(), "page1");
    EXPECT_EQ(Press(Qt::Key_Tab), "page2") << "Tab keeps the page's order";
    page.Advance(3000);
    EXPECT_EQ(Vis("p_zepB"), "hidden");
    EXPECT_EQ(Focused(), "page2");
}

} // namespace
