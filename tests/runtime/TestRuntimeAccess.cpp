#include "RuntimeTest.h"

namespace {

// Popups for every visitor: what assistive technology is told (read from the
// engine's own accessibility tree), and the keyboard (real key presses): the
// close control, Escape, and a modal popup that keeps the focus while it shows.
// The page has two inputs of its own before the popups; zepOnHide records hides.
class RuntimeAccess : public RuntimeTest {
protected:
    void SetUp() override { OpenPage(); }
    void OpenPage() {
        ASSERT_TRUE(Open("<input id=\"page1\"><input id=\"page2\">"
                         "<script>window.hides = []; function zepOnHide(id) { hides.push(id); }</script>"));
    }
    void Show(const QString& sUids) {
        for (const QString& sUid : sUids.split(u' ')) {
            Js("QEL.zep.zepShow('" + sUid + "')");
        }
        page.Advance(250);
    }
    // The grey-out mask and a modal popup "m" with a title and two inputs.
    void BuildModal() {
        Js("buildPopup('zepMask', {zepx: 0, zepy: 0, zepw: 1000, zeph: 800, it9: 0, is6: 0, ir9: 0, cc6: 0});"
           "buildPopup('m', {msk: 1}, '<input id=\"a\"><input id=\"b\">', 'Sign up')");
    }
    void Focus(const QString& sId) { Js("document.getElementById('" + sId + "').focus()"); }
    QString Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        EXPECT_TRUE(page.PressKey(key, modifiers)) << "the key reached the page";
        return Focused();
    }
    QString Focused() { return Str("document.activeElement.id || document.activeElement.tagName"); }
    QString Hides() { return Str("hides.join(' ')"); }
    std::string Nodes() { return page.AccessibleNodes().join(u'\n').toStdString(); }
};

TEST_F(RuntimeAccess, ShownPopupsAreNamedDialogsWithACloseButtonAndHiddenOnesAreNotThere) {
    Js("buildPopup('offer', {cc6: 1}, 'Hello', 'Summer offer');"
       "buildPopup('plain', {it9: 0, cc6: 0, zepx: 500}, 'Text', 'Unused title')");
    BuildModal();
    ASSERT_TRUE(page.WaitForAccessible("EditableText: ")) << Nodes();
    EXPECT_FALSE(page.AccessibleNodes().join(u' ').contains("Dialog")) << "hidden popups are not in the tree";

    Show("offer plain");
    EXPECT_TRUE(page.WaitForAccessible("Dialog: Summer offer")) << Nodes();
    EXPECT_TRUE(page.WaitForAccessible("Dialog: plain")) << "named by the uid without a title bar";
    EXPECT_EQ(page.AccessibleNodes().count("Button: Close"), 1) << "only a popup that can close has the button";
    Js("QEL.zep.zepHide('offer')");
    EXPECT_TRUE(page.WaitForAccessible("Button: Close", false)) << Nodes();

    Show("zepMask m");
    EXPECT_TRUE(page.WaitForAccessible("Dialog: Sign up")) << Nodes();
    EXPECT_FALSE(page.AccessibleNodes().join(u' ').contains("zepMask")) << "the mask is decoration";
    EXPECT_EQ(Str("document.getElementById('m_zepB').getAttribute('aria-modal') + ' ' +"
                  "document.getElementById('plain_zepB').getAttribute('aria-modal')"),
              "true null");
}

TEST_F(RuntimeAccess, TooltipIsATooltipThatDescribesItsTrigger) {
    ASSERT_TRUE(Open("<p><a id=\"tt1\" href=\"#\">word</a></p>"));
    Js("buildPopup('tip', {it9: 0}); tip.zepTooltip('tip', 'tt1', 200, 100, 15, -60, 'More about the word',"
       " '#FFFF00', 0, new MouseEvent('mouseover', {clientX: 300, clientY: 400}))");
    page.Advance(250);
    EXPECT_TRUE(page.WaitForAccessible("ToolTip: tip")) << Nodes();
    EXPECT_TRUE(page.WaitForAccessible("Link: word / More about the word"));
}

TEST_F(RuntimeAccess, TabReachesTheCloseControlAndEnterOrSpaceClosesLikeAClick) {
    Js("buildPopup('p', {cc6: 1}, '<input id=\"inside\">')");
    Focus("p_close");
    EXPECT_NE(Focused(), "p_close") << "a hidden popup's close control takes no focus";
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        Js("hides = []");
        Show("p");
        Focus("page2");
        ASSERT_EQ(Press(Qt::Key_Tab), "p_close") << key;
        EXPECT_EQ(Press(Qt::Key_Tab), "inside");
        EXPECT_EQ(Press(Qt::Key_Tab, Qt::ShiftModifier), "p_close");
        Press(key);
        EXPECT_EQ(Vis("p_zepB"), "hidden") << key;
        EXPECT_EQ(Hides(), "p") << "the hide path of a click, zepOnHide included";
    }
}

TEST_F(RuntimeAccess, EscapeClosesTheFocusedOrTheModalPopupWhenItCanClose) {
    struct TCase {
        const char* sName;
        const char* sParams;
        const char* sFocus; // empty: nothing has the focus
        bool bCloses;
    };
    const TCase cases[] = {
        {"focused popup", "{cc6: 1}", "inside", true},
        {"popup the focus is not in", "{cc6: 1}", "page1", false},
        {"focused popup without a close control", "{cc6: 0}", "inside", false},
        {"modal popup, focus on the page", "{cc6: 1, msk: 1}", "", true},
        {"modal popup without a close control", "{cc6: 0, msk: 1}", "", false},
    };
    for (const TCase& test : cases) {
        OpenPage();
        Js(QString("buildPopup('p', %1, '<input id=\"inside\">')").arg(test.sParams));
        Show("p");
        Js(*test.sFocus ? QString("document.getElementById('%1').focus()").arg(test.sFocus)
                        : QString("document.activeElement.blur()"));
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

    QStringList seen;
    for (int i = 0; i < 3; ++i) {
        seen << Press(Qt::Key_Tab);
    }
    for (int i = 0; i < 4; ++i) {
        seen << Press(Qt::Key_Tab, Qt::ShiftModifier);
    }
    EXPECT_EQ(seen, QStringList({"a", "b", "m_close", "b", "a", "m_close", "b"})) << "round and round, never the page";
    Focus("page2");
    EXPECT_EQ(Focused(), "m_close") << "focus that lands on the page is brought back";

    Press(Qt::Key_Escape);
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

TEST_F(RuntimeAccess, DelayedPopupThatIsNotModalLeavesTheFocusWhereItIs) {
    Js("buildPopup('p', {cc6: 1}, '<input id=\"inside\">'); p.zepTimer('p', 'QEL.zep.zepShow', '', '', '', 2, '')");
    Focus("page1");
    page.Advance(2250);
    EXPECT_EQ(Vis("p_zepB"), "visible");
    EXPECT_EQ(Focused(), "page1");
    EXPECT_EQ(Press(Qt::Key_Tab), "page2") << "Tab keeps the page's order";
}

} // namespace
