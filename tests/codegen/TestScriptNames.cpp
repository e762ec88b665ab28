// Names written into generated script: unique ID checks.

#include <gtest/gtest.h>

#include "ScriptNames.h"

namespace {

TEST(IsValidScriptName, AcceptsIdentifiersOnly) {
    for (const char* sName : {"promo", "_x", "$", "zep2", "Promo_Offer$1", "newsletter", "dontshowagain"}) {
        EXPECT_TRUE(IsValidScriptName(QString::fromUtf8(sName))) << sName;
    }
    for (const char* sName : {"", "2promo", "my-popup", "my popup", "über", "new", "var", "class", "this", "null",
                              "QEL", "htmlstring", "zepMask", "initZEP", "sp", "location", "document", "name"}) {
        EXPECT_FALSE(IsValidScriptName(QString::fromUtf8(sName))) << sName;
    }
}

TEST(IsValidScriptName, LibraryNamesOutsideItsScopeAreRefusedItsInnerNamesAreFree) {
    // The library shares only QEL, rf and bdf with the page; its routines and variables live in its own scope, so a
    // popup may carry their names.
    for (const char* sName : {"QEL", "rf", "bdf"}) {
        EXPECT_FALSE(IsValidScriptName(QString::fromUtf8(sName))) << sName;
    }
    for (const char* sName : {"move", "resize", "zepNum", "moving", "Mousey", "Z"}) {
        EXPECT_TRUE(IsValidScriptName(QString::fromUtf8(sName))) << sName;
    }
}

TEST(IsValidScriptName, RefusesTheGlobalsOfTheLanguageAndOfEveryBrowser) {
    for (const char* sName :
         {"setTimeout", "Math",       "String",      "arguments",   "__proto__", "eval",           "undefined",
          "NaN",        "globalThis", "JSON",        "Promise",     "alert",     "fetch",          "localStorage",
          "onload",     "toString",   "constructor", "HTMLElement", "Image",     "InstallTrigger", "attachEvent",
          "opera",      "webkitURL",  "Iterator"}) {
        EXPECT_FALSE(IsValidScriptName(QString::fromUtf8(sName))) << sName;
        EXPECT_TRUE(IsScriptIdentifier(QString::fromUtf8(sName))) << sName;
    }
    EXPECT_TRUE(IsValidScriptName(QStringLiteral("setTimeouts")));
    EXPECT_TRUE(IsValidScriptName(QStringLiteral("math")));
}

TEST(CheckUniqueIDs, ReportsTheFirstProblemWithTheTrimmedID) {
    EXPECT_TRUE(CheckUniqueIDs({QStringLiteral("a"), QStringLiteral(" b "), QStringLiteral("promo\x01")}).isEmpty());
    EXPECT_EQ(CheckUniqueIDs({QStringLiteral("pro\x01mo")}),
              QStringLiteral("Compile Error : Unique ID <pro\x01mo> is not a valid script name"));
    EXPECT_EQ(CheckUniqueIDs({QStringLiteral("a"), QStringLiteral("setTimeout")}),
              QStringLiteral("Compile Error : Unique ID <setTimeout> is a global name of the browser, the language or "
                             "the popup scripts"));
    EXPECT_EQ(CheckUniqueIDs({QStringLiteral("promo"), QStringLiteral("other"), QStringLiteral(" PROMO")}),
              QStringLiteral("Compile Error : Unique IDs <promo> and <PROMO> differ only in letter case"));
    EXPECT_EQ(CheckUniqueIDs({QStringLiteral("a"), QStringLiteral(" 9lives ")}),
              QStringLiteral("Compile Error : Unique ID <9lives> is not a valid script name"));
    EXPECT_EQ(CheckUniqueIDs({QStringLiteral("promo"), QStringLiteral("other"), QStringLiteral("promo\t")}),
              QStringLiteral("Compile Error : Unique ID <promo> is used by more than one popup"));
}

} // namespace
