#include <gtest/gtest.h>

#include "CommandGenerator.h"
#include "GeneratorTestSupport.h"
#include "SnippetGenerator.h"
#include "StrictLinks.h"

namespace {

class SnippetTest : public ::testing::Test {
protected:
    SnippetTest() : o(Test.AddInstance(QStringLiteral("promo"))) {}

    TTestProject Test;
    TZEPInstance& o;
};

// ---- Content as a script string

TEST_F(SnippetTest, ScriptTagsMatchInAnyAsciiCaseOnly) {
    // A long s is no s to a browser: that tag is not a script and stays as it is.
    o.HTMLFile = {QStringLiteral("<\u017Fcript>x</\u017Fcript>"), QStringLiteral("<ScRiPt>y()</script>")};
    EXPECT_EQ(o.GetHTMLForScript(),
              QStringLiteral("\"<\u017Fcript>x</\u017Fcript> <div style=\\\"\\\"position:absolute;top:0px;left:0px;"
                             "\\\"\\\">&nbsp;</div><script defer>y()</script> \""));
}

// ---- Event links

TEST_F(SnippetTest, EventLinkForEachTrigger) {
    const QString sCommand = QStringLiteral("  if(!promo.pars.isc){ \r\n    QEL.zep.zepShow('promo');\r\n  }");
    o.bMouseOver = 1;
    EXPECT_EQ(
        GetMouseEventText(o, sCommand, QStringLiteral("Special offer")),
        QStringLiteral("<a style=\"font-weight: bold;color: #1C5EA2;\" href=\"javascript:void(0)\" onmouseover = \""
                       "    if(!promo.pars.isc){ \r\n    QEL.zep.zepShow('promo');\r\n  }\">Special offer</a>"));
    o.bMouseOver = 0;
    o.bMouseOut = 1;
    EXPECT_EQ(
        GetMouseEventText(o, sCommand, {}),
        QStringLiteral("<a style=\"font-weight: bold;color: #1C5EA2;\" href=\"javascript:void(0)\" onmouseout = \""
                       "    if(!promo.pars.isc){ \r\n    QEL.zep.zepShow('promo');\r\n  }\">"
                       "Add your textual or image link here for mouseout</a>"));
    o.bMouseOut = 0;
    o.bOnClick = 1;
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"), {}),
              QStringLiteral("<a style=\"font-weight: bold;color: #1C5EA2;\" href=\"javascript:void(0)\" onclick = \""
                             "  go();return false;\">Add your textual or image link here for On-click</a>"));
    o.bOnClick = 0;
    o.bMouseOver = 1;
    EXPECT_EQ(
        GetMouseEventText(o, QStringLiteral("go();"), QStringLiteral("   ")),
        QStringLiteral("<a style=\"font-weight: bold;color: #1C5EA2;\" href=\"javascript:void(0)\" onmouseover = \""
                       "  go();\">Add your textual or image link here for mouseover</a>"));
}

TEST_F(SnippetTest, NoEventLinkUnlessExactlyOneTrigger) {
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"), QStringLiteral("Hi")), QString());
    o.bOnClick = 1;
    o.bMouseOver = 1;
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"), QStringLiteral("Hi")), QString());
    o.bMouseOver = 0;
    o.bMouseOut = 1;
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"), QStringLiteral("Hi")), QString());
    o.bMouseOut = 2;
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"), QStringLiteral("Hi")), QString());
    o.bOnClick = 2;
    o.bMouseOut = 0;
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"), QStringLiteral("Hi")), QString());
}

TEST_F(SnippetTest, LinkTextBeforeImageBeforePlaceholder) {
    const QString sOpening =
        QStringLiteral("<a style=\"font-weight: bold;color: #1C5EA2;\" href=\"javascript:void(0)\" onclick = \"  go();"
                       "return false;\"");
    o.bOnClick = 1;
    o.sImageLink = QStringLiteral(" btn.gif ");
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"), QStringLiteral("  Open me ")),
              sOpening + QStringLiteral(">Open me</a>"));
    const QString sImageLink = sOpening + QStringLiteral("><img style=\"border-style:none\" src=\"btn.gif\" /></a>");
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"), {}), sImageLink);
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"), QStringLiteral("Add your textual or image link here for ")),
              sImageLink);
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"), QStringLiteral("Add your textual or image link here for")),
              sImageLink);
    EXPECT_EQ(
        GetMouseEventText(o, QStringLiteral("go();"), QStringLiteral("Add your textual or image link here for\x1F")),
        sImageLink);
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"), QStringLiteral("\x01Open me\t")),
              sOpening + QStringLiteral(">Open me</a>"));
    o.sImageLink.clear();
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"), QStringLiteral("Add your textual or image link here for ")),
              sOpening + QStringLiteral(">Add your textual or image link here for On-click</a>"));
    // The placeholder followed by a kind is a text of its own.
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("go();"),
                                QStringLiteral("Add your textual or image link here for On-click")),
              sOpening + QStringLiteral(">Add your textual or image link here for On-click</a>"));
}

// ---- Modal mask

TEST_F(SnippetTest, MaskCommandForEachMode) {
    o.bModal = 1;
    o.iOpenAfterDelay = 3;
    o.iCloseAfterDelay = 7;
    EXPECT_EQ(GenerateModalString(o), QStringLiteral("  if(!promo.pars.isc)\r\n    QEL.zep.zepShow('zepMask');"));
    o.bOpenAfterSelected = 1;
    EXPECT_EQ(
        GenerateModalString(o),
        QStringLiteral("  if(!promo.pars.isc)\r\n    zepMask.zepTimer('zepMask','QEL.zep.zepShow','','','',3,0);"));
    o.bCloseAfterSelected = 1;
    EXPECT_EQ(GenerateModalString(o), QStringLiteral("  if(!promo.pars.isc)\r\n    zepMask.zepTimer('zepMask',"
                                                     "'QEL.zep.zepShow','','QEL.zep.zepHide','',3,7);"));
    o.bOpenAfterSelected = 0;
    EXPECT_EQ(
        GenerateModalString(o),
        QStringLiteral("  if(!promo.pars.isc)\r\n    zepMask.zepTimer('zepMask','','','QEL.zep.zepHide','',0,7);"));
}

TEST_F(SnippetTest, MaskGuardUsesThePopupsScriptName) {
    o.bModal = 1;
    o.sUniqueID = QStringLiteral("promo ");
    EXPECT_EQ(GenerateModalString(o), QStringLiteral("  if(!promo.pars.isc)\r\n    QEL.zep.zepShow('zepMask');"));
}

TEST_F(SnippetTest, NoMaskCommandForANonModalPopup) {
    for (quint8 bModal : {0, 2}) {
        o.bModal = bModal;
        o.bOpenAfterSelected = 1;
        o.iOpenAfterDelay = 3;
        o.bCloseAfterSelected = 1;
        o.iCloseAfterDelay = 4;
        EXPECT_EQ(GenerateModalString(o), QString()) << int(bModal);
    }
}

// ---- Content switches

TEST_F(SnippetTest, ContentSwitchAtAFixedLocationUsesTheItemsPlace) {
    o.Location = ltTopRight;
    TContentItem item;
    item.iLID = 2;
    item.sIndex = QStringLiteral("zep_promo2");
    item.iAPIWidth = 300;
    item.iAPIHeight = 120;
    item.iAPILeft = 10;
    item.iAPITop = 20;
    item.APILocation = ltCentre;
    item.bAPIRelativePositioning = 1;
    EXPECT_EQ(CreateLinkFunctions(item, o),
              QStringLiteral("QEL.zep.zepHide('promo');QEL.zep.zepSize('promo', 300, 120);"
                             "QEL.zep.zepContent('promo', zep_promo2);QEL.zep.zepPlace('promo', 1, 0);"));
    item.APILocation = ltBottomFullWidth;
    EXPECT_TRUE(CreateLinkFunctions(item, o).endsWith(QStringLiteral("QEL.zep.zepPlace('promo', 2, 0);")));
}

TEST_F(SnippetTest, ContentSwitchOfAManualPopupUsesTheItemsPosition) {
    o.Location = ltManual;
    o.sUniqueID = QStringLiteral("promo ");
    TContentItem item;
    item.iLID = 1;
    item.sIndex = QStringLiteral("zep_promo1");
    item.iAPIWidth = 40;
    item.iAPIHeight = 60;
    item.iAPILeft = -15;
    item.iAPITop = 25;
    item.APILocation = ltCentre;
    item.bAPIRelativePositioning = 1;
    // The popup is addressed by its script name, as the constructor names it.
    EXPECT_EQ(
        CreateLinkFunctions(item, o),
        QStringLiteral("QEL.zep.zepHide('promo');QEL.zep.zepSize('promo', 40, 60);"
                       "QEL.zep.zepContent('promo', zep_promo1);QEL.zep.zepLocation('promo', -15, 25, 1, event);"));
    item.bAPIRelativePositioning = 0;
    EXPECT_TRUE(
        CreateLinkFunctions(item, o).endsWith(QStringLiteral("QEL.zep.zepLocation('promo', -15, 25, 0, event);")));
}

TEST_F(SnippetTest, ContentSwitchPrefixesTheLinkOfAClickPopup) {
    o.bOnClick = 1;
    o.Location = ltCentre;
    o.iWidth = 200;
    o.iHeight = 100;
    o.ContentStrings.AddContent(o, QStringLiteral("\"one\""), o.GetContentIndex(), 0);
    o.ContentStrings.AddContent(o, QStringLiteral("\"two\""), o.GetContentIndex(), 1);
    TContentItem* oItem = o.GetContentObjectForID(1);
    ASSERT_NE(oItem, nullptr);
    oItem->APILocation = ltTopLeft;
    const QString sSwitch = CreateLinkFunctions(*oItem, o);
    EXPECT_EQ(sSwitch, QStringLiteral("QEL.zep.zepHide('promo');QEL.zep.zepSize('promo', 200, 100);"
                                      "QEL.zep.zepContent('promo', zep_promo1);QEL.zep.zepPlace('promo', 6, 0);"));
    const QString sCommand = GenerateCommandString(o, o.sUniqueID, sSwitch);
    EXPECT_EQ(
        GetMouseEventText(o, sCommand, oItem->sAPISpecificLinkText),
        QStringLiteral("<a style=\"font-weight: bold;color: #1C5EA2;\" href=\"javascript:void(0)\" onclick = \""
                       "    if(!promo.pars.isc){ \r\n    QEL.zep.zepHide('promo');QEL.zep.zepSize('promo', 200, 100);"
                       "QEL.zep.zepContent('promo', zep_promo1);QEL.zep.zepPlace('promo', 6, 0);"
                       "QEL.zep.zepShow('promo');\r\n  }return false;\">"
                       "Add your textual or image link here for On-click</a>"));
}

} // namespace

// ---- Links without inline script

namespace {

// Every shape of command the generators write, and the calls the library reads from the link's data.
TEST(StrictLinks, CommandsBecomeGuardedCalls) {
    const std::pair<QString, QString> cases[] = {
        {"  if(!promo.pars.isc){ \r\n    QEL.zep.zepShow('promo');\r\n  }", R"([["promo","QEL.zep.zepShow","promo"]])"},
        {"  if(!promo.pars.isc){ \r\n    promo.zepTimer('promo','QEL.zep.zepDropin','QEL.zep.zepShow',"
         "'QEL.zep.zepSlideout','',2,5);\r\n  }",
         R"([["promo","promo.zepTimer","promo","QEL.zep.zepDropin","QEL.zep.zepShow","QEL.zep.zepSlideout","",2,5]])"},
        {"  if(!c.pars.isc){ \r\n    QEL.zep.zepShow('c');\r\n  }  if(!c.pars.isc)\r\n    "
         "QEL.zep.zepShow('zepMask');",
         R"([["c","QEL.zep.zepShow","c"],["c","QEL.zep.zepShow","zepMask"]])"},
        {"QEL.zep.zepContent('p', zep_p1);QEL.zep.zepLocation('p', 10, -20, 1, event);",
         R"([["","QEL.zep.zepContent","p",{"v":"zep_p1"}],["","QEL.zep.zepLocation","p",10,-20,1,{"v":"event"}]])"},
        {"tip.zepTooltip('tip','tt1',300,200,15,-60,ZEPtooltip1,'#C0C0C0',1,event)",
         R"([["","tip.zepTooltip","tip","tt1",300,200,15,-60,{"v":"ZEPtooltip1"},"#C0C0C0",1,{"v":"event"}]])"},
    };
    for (const auto& [sCommand, sData] : cases) {
        EXPECT_EQ(CommandData(sCommand), sData) << sCommand.toStdString();
    }
    for (const char* sOther :
         {"", "alert(1)+1;", "if(!p.pars.isc){ go('unclosed);}", "go(x y);", "go('a''b');", "window.x=1;"}) {
        EXPECT_EQ(CommandData(QString::fromUtf8(sOther)), QString()) << sOther;
    }
}

} // namespace

TEST_F(SnippetTest, StrictLinksCarryTheirCommandAsDataWithoutStyleOrScript) {
    const QString sCommand = QStringLiteral("  if(!promo.pars.isc){ \r\n    QEL.zep.zepShow('promo');\r\n  }");
    const QString sData = QStringLiteral(R"('[["promo","QEL.zep.zepShow","promo"]]')");
    o.bOnClick = 1;
    EXPECT_EQ(GetMouseEventText(o, sCommand, QStringLiteral("Open"), true),
              "<a href=\"#\" data-zep-click=" + sData + ">Open</a>");
    o.bOnClick = 0;
    o.bMouseOver = 1;
    o.sImageLink = QStringLiteral("btn.gif");
    EXPECT_EQ(GetMouseEventText(o, sCommand, {}, true),
              "<a data-zep-mouseover=" + sData + "><img src=\"btn.gif\" /></a>");
    o.bMouseOver = 0;
    o.bMouseOut = 1;
    o.sImageLink.clear();
    EXPECT_EQ(GetMouseEventText(o, QStringLiteral("QEL.zep.zepHide('promo');"), {}, true),
              QStringLiteral("<a data-zep-mouseout='[[\"\",\"QEL.zep.zepHide\",\"promo\"]]'>"
                             "Add your textual or image link here for mouseout</a>"));
}
