#include "EditorTestEnvironment.h"

#include "THelpForm.h"
#include "THelpIndex.h"

#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(HelpIndexTest, KeywordsAreFoundRegardlessOfCaseAndBlankMeansTheIndex) {
    THelpIndex index;
    index.Parse(QStringLiteral("id=id.html\nUsing an iframe = iframe.html\nid=second.html\nbroken line\n"));
    EXPECT_EQ(index.PageFor(QStringLiteral("ID")), QStringLiteral("id.html"));
    EXPECT_EQ(index.PageFor(QStringLiteral("using an IFRAME")), QStringLiteral("iframe.html"));
    EXPECT_EQ(index.PageFor(QStringLiteral(" ")), QStringLiteral("index.html"));
    EXPECT_TRUE(index.PageFor(QStringLiteral("nothing")).isEmpty());
}

TEST(HelpFormTest, EveryKeywordTheApplicationAsksForHasItsOwnPage) {
    THelpForm help;
    const std::pair<const char*, const char*> keywords[] = {
        {"id", "id.html"},     {"title", "title.html"},   {"using an iframe", "iframe.html"},
        {"HTML", "html.html"}, {"frames", "frames.html"}, {" ", "index.html"},
    };
    for (const auto& [sKeyword, sPage] : keywords) {
        help.ShowKeyword(QString::fromLatin1(sKeyword));
        EXPECT_EQ(help.CurrentPage(), QString::fromLatin1(sPage)) << sKeyword;
        EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + QString::fromLatin1(sPage))) << sPage;
    }
    help.ShowKeyword(QStringLiteral("unknown words"));
    EXPECT_EQ(help.CurrentPage(), QStringLiteral("index.html"));
    help.ShowContents();
    EXPECT_EQ(help.CurrentPage(), QStringLiteral("contents.html"));
    help.close();
}

TEST(HelpFormTest, EveryLinkOfThePagesLeadsToAPage) {
    for (const char* sPage :
         {"contents.html", "index.html", "id.html", "title.html", "html.html", "iframe.html", "frames.html"}) {
        QFile file(QStringLiteral(":/help/") + QString::fromLatin1(sPage));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << sPage;
        const QString sText = QString::fromUtf8(file.readAll());
        qsizetype iFrom = 0;
        while ((iFrom = sText.indexOf(QStringLiteral("href=\""), iFrom)) >= 0) {
            iFrom += 6;
            const QString sTarget = sText.mid(iFrom, sText.indexOf(QLatin1Char('"'), iFrom) - iFrom);
            EXPECT_TRUE(QFile::exists(QStringLiteral(":/help/") + sTarget)) << sPage << " -> " << sTarget.toStdString();
        }
    }
}

} // namespace
