// String literals of generated script and content files: escaping, quoting and reading back.

#include "ScriptString.h"

#include <gtest/gtest.h>

#include <string_view>

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

TEST(QuoteScriptString, QuotesAndEscapesOnlyWhatTheStringCannotHold) {
    EXPECT_EQ(QuoteScriptString(QStringLiteral("<p class=\"x\">a\\b</p> ")),
              QStringLiteral("\"<p class=\\\"x\\\">a\\\\b</p> \""));
    EXPECT_EQ(QuoteScriptString(QStringLiteral("a\nb\r") + QChar(0x2029)), QStringLiteral("\"a\\nb\\r\\u2029\""));
    EXPECT_EQ(QuoteScriptString(QString()), QStringLiteral("\"\""));
}

struct TLiteralCase {
    const char* sLiteral;
    bool bLiteral; // exactly one string literal
    std::u16string_view sValue;
};

using namespace std::string_view_literals;

const TLiteralCase aLiterals[] = {
    {R"("plain")", true, u"plain"sv},
    {R"(  "blanks around" ; )", true, u"blanks around"sv},
    {R"('single \'quoted\' "inner"')", true, u"single 'quoted' \"inner\""sv},
    {R"("a\\b\"c\/d\q")", true, u"a\\b\"c/dq"sv},
    {R"("\b\f\n\r\t\v")", true, u"\b\f\n\r\t\v"sv},
    {R"("\x41\u0042\u{43}\u{1F600}")", true, u"ABC\U0001F600"sv},
    {R"("\101\0\08\377\400")", true,
     u"A\0\0"
     u"8\u00FF 0"sv},
    {"\"raw \u2028 separator\"", true, u"raw \u2028 separator"sv},
    {R"("")", true, u""sv},
    {R"("unterminated)", false, {}},
    {R"("a";alert(1))", false, {}},
    {R"("a" + code)", false, {}},
    {R"("a";;)", false, {}},
    {R"(code())", false, {}},
    {R"("a" "b")", false, {}},
    {R"("bad \x4")", false, {}},
    {R"("bad \u12")", false, {}},
    {R"("bad \u{110000}")", false, {}},
    {R"("bad \u{}")", false, {}},
    {R"("ends in a backslash\")", false, {}},
    {"\"line\nbreak\"", false, {}},
    {"", false, {}},
};

class ParseScriptStringTable : public ::testing::TestWithParam<TLiteralCase> {};

TEST_P(ParseScriptStringTable, ReadsExactlyOneLiteral) {
    const TLiteralCase& c = GetParam();
    QString sValue = QStringLiteral("untouched");
    const bool bParsed = ParseScriptString(QString::fromUtf8(c.sLiteral), sValue);
    if (!c.bLiteral) {
        EXPECT_FALSE(bParsed) << c.sLiteral;
        EXPECT_EQ(sValue, QStringLiteral("untouched"));
    } else {
        ASSERT_TRUE(bParsed) << c.sLiteral;
        EXPECT_EQ(sValue, QString::fromUtf16(c.sValue.data(), qsizetype(c.sValue.size()))) << c.sLiteral;
    }
}

INSTANTIATE_TEST_SUITE_P(Literals, ParseScriptStringTable, ::testing::ValuesIn(aLiterals));

TEST(ParseScriptString, ReadsBackWhatQuotingWrites) {
    for (const QString& sText : {QStringLiteral("<a href=\"x\">\\</a>"), QStringLiteral("a\r\nb\tc"),
                                 QStringLiteral("'") + QChar(0x2028) + QChar(0) + QStringLiteral("</script>")}) {
        QString sValue;
        ASSERT_TRUE(ParseScriptString(QuoteScriptString(sText), sValue));
        EXPECT_EQ(sValue, sText);
        ASSERT_TRUE(ParseScriptString(QLatin1Char('"') + EscapeScriptString(sText) + QLatin1Char('"'), sValue));
        EXPECT_EQ(sValue, sText);
    }
}

} // namespace
