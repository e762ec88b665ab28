#include "TLinkList.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

struct TPictureCase {
    const char* sName;
    bool bPicture;
};

class PictureFiles : public ::testing::TestWithParam<TPictureCase> {};

TEST_P(PictureFiles, OnlyBmpGifAndJpgInAnyCaseArePictures) {
    EXPECT_EQ(IsPictureFile(QString::fromLatin1(GetParam().sName)), GetParam().bPicture) << GetParam().sName;
}

INSTANTIATE_TEST_SUITE_P(Extensions, PictureFiles,
                         ::testing::Values(TPictureCase{"logo.gif", true}, TPictureCase{"photo.JPG", true},
                                           TPictureCase{"Icon.Bmp", true}, TPictureCase{" pad.gif  ", true},
                                           TPictureCase{"pic.png", false}, TPictureCase{"photo.jpeg", false},
                                           TPictureCase{"intro.swf", false}, TPictureCase{"gif", false},
                                           TPictureCase{"", false}));

TEST(LinkEntries, TextualLinkInDarkRedThenThePicturesInBlueWithoutFolders) {
    const std::vector<TLinkEntry> entries =
        BuildLinkEntries({"logo.gif", "media/photo.JPG", "intro.swf", "pic.png", "img\\btn.bmp"});
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].sText, "Textual link only");
    EXPECT_EQ(entries[0].Link.Colour, 128u);
    EXPECT_TRUE(entries[0].Link.sFileName.isEmpty());
    const QStringList expected{"logo.gif", "photo.JPG", "btn.bmp"};
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(entries[size_t(i)].sText, expected[i - 1]);
        EXPECT_EQ(entries[size_t(i)].Link.sFileName, expected[i - 1]);
        EXPECT_EQ(entries[size_t(i)].Link.Colour, 0xFF0000u);
    }
}

TEST(LinkEntries, SelectionByFileNameIgnoresCaseAndBlanksAndTakesTheLastMatch) {
    const std::vector<TLinkEntry> entries = BuildLinkEntries({"a.gif", "B.gif", "x/b.GIF"});
    EXPECT_EQ(FindLinkEntry(entries, "a.gif"), 1);
    EXPECT_EQ(FindLinkEntry(entries, " b.gif "), 3);
    EXPECT_EQ(FindLinkEntry(entries, "missing.gif"), -1);
    EXPECT_EQ(FindLinkEntry(entries, ""), 0);
}

} // namespace
