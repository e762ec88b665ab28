// Texts written into generated script: escaping and unique ID checks.

#include <gtest/gtest.h>

#include "ScriptNames.h"

namespace {

TEST(EscapeScriptString, EscapesWhatWouldEndOrBreakTheString) {
    EXPECT_EQ(EscapeScriptString(QStringLiteral("Welcome")), QStringLiteral("Welcome"));
    EXPECT_EQ(EscapeScriptString(QStringLiteral("Say \"hi\"")), QStringLiteral("Say \\\"hi\\\""));
    EXPECT_EQ(EscapeScriptString(QStringLiteral("a\\b")), QStringLiteral("a\\\\b"));
    EXPECT_EQ(EscapeScriptString(QStringLiteral("one\r\ntwo\nthree")), QStringLiteral("one\\r\\ntwo\\nthree"));
    EXPECT_EQ(EscapeScriptString(QStringLiteral("<b>x</b></script>")), QStringLiteral("<b>x<\\/b><\\/script>"));
    EXPECT_EQ(EscapeScriptString(QStringLiteral("a/b < /c")), QStringLiteral("a/b < /c"));
    EXPECT_EQ(EscapeScriptString(QString(QChar(0x2028))), QStringLiteral("\\u2028"));
    EXPECT_EQ(EscapeScriptString(QStringLiteral("it's\tfine")), QStringLiteral("it's\tfine"));
}

TEST(IsValidScriptName, AcceptsIdentifiersOnly) {
    for (const char* sName : {"promo", "_x", "$", "zep2", "Promo_Offer$1", "newsletter", "dontshowagain"}) {
        EXPECT_TRUE(IsValidScriptName(QString::fromUtf8(sName))) << sName;
    }
    for (const char* sName : {"", "2promo", "my-popup", "my popup", "über", "new", "var", "class", "this", "null",
                              "QEL", "htmlstring", "zepMask", "initZEP", "sp", "location", "document", "name"}) {
        EXPECT_FALSE(IsValidScriptName(QString::fromUtf8(sName))) << sName;
    }
}

TEST(IsValidScriptName, RefusesTheRuntimeLibrarysOwnGlobals) {
    // A popup named after a library routine would replace it on the page.
    for (const char* sName : {"move", "resize", "adj", "na", "zepNum"}) {
        EXPECT_FALSE(IsValidScriptName(QString::fromUtf8(sName))) << sName;
    }
    EXPECT_TRUE(IsValidScriptName(QStringLiteral("mover")));
}

TEST(CheckUniqueIDs, ReportsTheFirstProblemWithTheTrimmedID) {
    EXPECT_TRUE(CheckUniqueIDs({QStringLiteral("a"), QStringLiteral(" b "), QStringLiteral("A")}).isEmpty());
    EXPECT_EQ(CheckUniqueIDs({QStringLiteral("a"), QStringLiteral(" 9lives ")}),
              QStringLiteral("Compile Error : Unique ID <9lives> is not a valid script name"));
    EXPECT_EQ(CheckUniqueIDs({QStringLiteral("promo"), QStringLiteral("other"), QStringLiteral("promo\t")}),
              QStringLiteral("Compile Error : Unique ID <promo> is used by more than one popup"));
}

} // namespace
