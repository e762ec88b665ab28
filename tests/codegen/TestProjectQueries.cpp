#include <gtest/gtest.h>

#include "GeneratorTestSupport.h"
#include "ProjectQueries.h"

namespace {

class ProjectQueryTest : public ::testing::Test {
protected:
    ProjectQueryTest()
        : First(Test.AddInstance(QStringLiteral("first"))), Second(Test.AddInstance(QStringLiteral("second"))),
          Third(Test.AddInstance(QStringLiteral("third"))) {}

    TTestProject Test;
    TZEPInstance& First;
    TZEPInstance& Second;
    TZEPInstance& Third;
};

TEST_F(ProjectQueryTest, Tooltip) {
    EXPECT_FALSE(HasTooltip(Test.Project()));
    Third.bToolTip = 2;
    EXPECT_FALSE(HasTooltip(Test.Project()));
    Third.bToolTip = 1;
    EXPECT_TRUE(HasTooltip(Test.Project()));
}

TEST_F(ProjectQueryTest, OnExitAndModalSkipTheGivenIndex) {
    Second.bOnExit = 1;
    EXPECT_TRUE(HasOnExit(Test.Project(), -1));
    EXPECT_TRUE(HasOnExit(Test.Project(), 0));
    EXPECT_FALSE(HasOnExit(Test.Project(), 1));
    EXPECT_FALSE(HasModal(Test.Project(), -1));

    Third.bModal = 1;
    EXPECT_TRUE(HasModal(Test.Project(), -1));
    EXPECT_TRUE(HasModal(Test.Project(), 1));
    EXPECT_FALSE(HasModal(Test.Project(), 2));
    First.bModal = 1;
    EXPECT_TRUE(HasModal(Test.Project(), 2));
    EXPECT_TRUE(HasModal(Test.Project(), 7));
}

TEST_F(ProjectQueryTest, AdditionalContentExcludesTheGivenInstance) {
    EXPECT_FALSE(IsAdditionalContentUsed(Test.Project(), nullptr));
    First.UpdateContentFromHTML();
    Second.UpdateContentFromHTML();
    Second.ContentStrings.AddContent(Second, QStringLiteral("\"layer\""), Second.GetContentIndex(), 1);
    EXPECT_TRUE(IsAdditionalContentUsed(Test.Project(), nullptr));
    EXPECT_TRUE(IsAdditionalContentUsed(Test.Project(), &First));
    EXPECT_FALSE(IsAdditionalContentUsed(Test.Project(), &Second));
}

TEST_F(ProjectQueryTest, CombinedFilesKeepTheFirstSpellingInInstanceOrder) {
    First.BinaryGraphicFiles = {QStringLiteral("Pic.gif"), QStringLiteral("img/Close.gif")};
    Second.BinaryGraphicFiles = {QStringLiteral("pic.GIF"), QStringLiteral("movie.swf"), QStringLiteral("PIC.gif")};
    Third.BinaryGraphicFiles = {QStringLiteral("IMG/close.GIF"), QStringLiteral("extra.png")};
    EXPECT_EQ(CombinedBinaryFileList(Test.Project()),
              (QStringList{QStringLiteral("Pic.gif"), QStringLiteral("img/Close.gif"), QStringLiteral("movie.swf"),
                           QStringLiteral("extra.png")}));
}

TEST(ProjectQueries, EmptyProjectHasNoFeatures) {
    TTestProject test;
    EXPECT_FALSE(HasTooltip(test.Project()));
    EXPECT_FALSE(HasOnExit(test.Project(), -1));
    EXPECT_FALSE(HasModal(test.Project(), -1));
    EXPECT_FALSE(IsAdditionalContentUsed(test.Project(), nullptr));
    EXPECT_TRUE(CombinedBinaryFileList(test.Project()).isEmpty());
}

} // namespace
