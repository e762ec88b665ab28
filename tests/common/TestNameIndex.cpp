#include "TNameIndex.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Names kept by their owner, as a profile file keeps its keys.
struct TNames {
    QStringList Names;
    TNameIndex Index;

    auto NameAt() const {
        return [this](int i) { return QStringView(Names[i]); };
    }
    bool Add(const QString& sName) {
        Names.append(sName);
        return Index.Add(sName, int(Names.size() - 1), NameAt());
    }
    int Find(const QString& sName) const { return Index.Find(sName, NameAt()); }
};

struct TFoldCase {
    const char* sStored;
    const char* sAsked;
    bool bEqual;
};

class NameIndexFolding : public ::testing::TestWithParam<TFoldCase> {};

} // namespace

TEST_P(NameIndexFolding, MatchesRegardlessOfLetterCaseAndSurroundingBlanks) {
    const TFoldCase& c = GetParam();
    TNames names;
    ASSERT_TRUE(names.Add(QString::fromUtf8(c.sStored)));
    EXPECT_EQ(names.Find(QString::fromUtf8(c.sAsked)), c.bEqual ? 0 : -1);
    const QString sStored = QString::fromUtf8(c.sStored).trimmed();
    const QString sAsked = QString::fromUtf8(c.sAsked).trimmed();
    EXPECT_EQ(TNameIndex::FoldedEqual(sStored, sAsked), c.bEqual);
    if (c.bEqual) {
        EXPECT_EQ(TNameIndex::FoldedHash(sStored), TNameIndex::FoldedHash(sAsked));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameIndexFolding,
    ::testing::Values(TFoldCase{"Template", "TEMPLATE", true}, TFoldCase{"  Title ", "title", true},
                      TFoldCase{"File1", "File10", false}, TFoldCase{"File1", "File2", false},
                      TFoldCase{"\xC3\x84nderung", "\xC3\xA4NDERUNG", true},      // A and a with diaeresis
                      TFoldCase{"\xCE\xA3\xCE\xB9", "\xCF\x83\xCE\x99", true},    // Greek sigma and iota
                      TFoldCase{"x\xF0\x90\x90\x80", "X\xF0\x90\x90\xA8", true},  // a letter beyond 16 bits
                      TFoldCase{"x\xF0\x90\x90\x80", "x\xF0\x90\x90\x81", false}, // and a different one
                      TFoldCase{"keyword", "\u212AEYWORD", true},                 // Kelvin sign folds to k
                      TFoldCase{"BackgroundColour", "backgroundcolour", true},
                      TFoldCase{"BackgroundColour", "BackgroundColor", false}, TFoldCase{"_ZEP", "_zep", true},
                      TFoldCase{"[A]", "[a]", true}, TFoldCase{"a-b", "A_B", false}));

TEST(NameIndex, FirstOfRepeatedNamesWinsAndEveryNameIsFoundAfterGrowing) {
    TNames names;
    EXPECT_EQ(names.Find("missing"), -1);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_TRUE(names.Add("Key" + QString::number(i)));
    }
    EXPECT_FALSE(names.Add("KEY7"));
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(names.Find("key" + QString::number(i)), i);
    }
    EXPECT_EQ(names.Find("Key1000"), -1);
    names.Index.Clear();
    EXPECT_EQ(names.Find("Key1"), -1);
}
