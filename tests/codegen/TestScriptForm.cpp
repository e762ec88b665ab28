#include "StringUtils.h"
#include "TScriptForm.h"

#include <gtest/gtest.h>

#include <QtEndian>

#include <map>

#include <zlib.h>

namespace {

const QStringList SectionNames = {"main",     "zepDrop",      "zepSlide",    "zepFade", "moveResize",
                                  "incAPI",   "followScroll", "absoluteLoc", "cookie",  "zep",
                                  "zepTimer", "tooltip",      "iframeShim"};

class ScriptFormSections : public ::testing::Test {
protected:
    void SetUp() override {
        store.ScriptList = {
            "var first = 1; // never part of a section",
            "a = 1;",
            "    // an indented comment line",
            "b = 2; // code followed by a comment",
            "//",
            "//EndOfSection one",
            "//",
            "c = 3;",
            "   ",
            "\td = 4;  ",
            "//",
            "//EndOfSection two",
            "//EndOfSection three ",
        };
    }
    TScriptForm store;
};

TEST_F(ScriptFormSections, SectionRunsFromAfterThePreviousMarkerWithoutCommentLines) {
    EXPECT_EQ(store.GetSection("one"), (QStringList{"a = 1;", "b = 2; // code followed by a comment"}));
    EXPECT_EQ(store.GetSection("two"), (QStringList{"c = 3;", "   ", "\td = 4;  "}));
}

TEST_F(ScriptFormSections, NamesAreTrimmedAndMatchedWithoutRegardToCase) {
    EXPECT_EQ(store.GetSection("  ONE\t"), store.GetSection("one"));
    EXPECT_TRUE(store.GetSection("ones").isEmpty());
    EXPECT_TRUE(store.GetSection("on").isEmpty());
    EXPECT_TRUE(store.GetSection("three").isEmpty()) << "a marker with trailing blanks does not match";
    EXPECT_TRUE(store.GetSection("unknown").isEmpty());
    EXPECT_EQ(store.GetSectionCode("unknown"), "");
}

TEST_F(ScriptFormSections, CodeJoinsLinesWithoutSeparatorsAndDropsControlCharacters) {
    EXPECT_EQ(store.GetSectionCode("two"), "c = 3;d = 4;");
    EXPECT_EQ(store.GetSectionCode("one"), "a = 1;b = 2; // code followed by a comment");
}

TEST_F(ScriptFormSections, MarkerOnTheFirstLineGivesNothing) {
    store.ScriptList = {"//EndOfSection first", "x = 1;", "//EndOfSection second"};
    EXPECT_TRUE(store.GetSection("first").isEmpty());
    EXPECT_EQ(store.GetSection("second"), QStringList{"x = 1;"});
}

TEST(ScriptForm, WorkingCopyIsEmptyUntilInitialisedAndRefilledEachTime) {
    TScriptForm store;
    EXPECT_TRUE(store.ScriptList.isEmpty());
    EXPECT_TRUE(store.GetSection("main").isEmpty());
    store.InitialiseScript();
    store.ScriptList.clear();
    store.InitialiseScript();
    EXPECT_EQ(store.ScriptList, store.SourceScriptFile);
}

TEST(ScriptForm, LibraryTemplateHoldsTheThirteenSectionsInOrder) {
    TScriptForm store;
    store.InitialiseScript();
    QStringList markers;
    for (const QString& sLine : store.SourceScriptFile) {
        if (sLine.startsWith("//EndOfSection ")) {
            markers << sLine.mid(15);
        }
    }
    EXPECT_EQ(markers, SectionNames);
    EXPECT_EQ(store.SourceScriptFile.last(), "//EndOfSection iframeShim") << "nothing follows the last marker";
    EXPECT_TRUE(store.SourceScriptFile.first().startsWith("//"));
    for (const QString& sName : SectionNames) {
        EXPECT_FALSE(store.GetSectionCode(sName).isEmpty()) << sName.toStdString();
    }
    // A second library on the page leaves the first one in charge.
    EXPECT_TRUE(store.GetSectionCode("main").startsWith("if(window.QEL&&QEL.zep&&QEL.zep.zepInstance)return;"));
}

bool IsWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c == '_' || c == '$';
}

TEST(ScriptForm, LibraryTemplateAvoidsWhatJoiningWouldBreak) {
    TScriptForm store;
    store.InitialiseScript();
    for (const QString& sName : SectionNames) {
        QString sPrevious;
        for (const QString& sLine : store.GetSection(sName)) {
            const QString sCode = TrimText(sLine);
            if (sCode.isEmpty()) {
                continue;
            }
            // Joined without separator, two words would run together.
            EXPECT_FALSE(!sPrevious.isEmpty() && IsWordCharacter(sPrevious.back()) && IsWordCharacter(sCode.front()))
                << sName.toStdString() << ": " << sPrevious.toStdString() << " | " << sCode.toStdString();
            EXPECT_FALSE(sCode.contains(" //")) << sLine.toStdString();
            EXPECT_FALSE(sCode.contains("eval(") || sCode.contains("new Function")) << sLine.toStdString();
            sPrevious = sCode;
        }
    }
}

TEST(ScriptForm, HeaderLineCarriesBothVersionsFollowedByTheNotices) {
    TScriptForm store;
    store.sVersion = "4.0.2.80";
    const QStringList header = store.GetListWithScriptHeader();
    ASSERT_EQ(header.size(), 7);
    EXPECT_EQ(header[0], "//****** Brisola Version 4.0.2.80 Script Version 3.02 ******");
    for (int i = 1; i < header.size(); ++i) {
        EXPECT_TRUE(header[i].startsWith("//")) << header[i].toStdString();
    }
    EXPECT_EQ(TScriptForm().sVersion, "4.0.2.80");
}

TEST(ScriptForm, ContextHelpIgnoresCaseAndAnswersTheFirstOfRepeatedTitles) {
    TScriptForm store;
    ASSERT_EQ(store.HelpTitleMemo.size(), 62);
    ASSERT_EQ(store.HelpLinesMemo.size(), 62);
    EXPECT_EQ(store.ContextHelpString("border width"), "Sets the border width in pixels.");
    EXPECT_EQ(store.ContextHelpString("  Height "),
              "Sets the height in pixels of the popup content area. This includes 20px for the title, if selected. "
              "So add 20px to your desired content height if title is on.");
    EXPECT_EQ(store.ContextHelpString("Popup Title"), store.HelpLinesMemo[8]);
    EXPECT_EQ(store.ContextHelpString("unique identifier"), store.HelpLinesMemo[6]);
    EXPECT_NE(store.HelpLinesMemo[6], store.HelpLinesMemo[56]);
    EXPECT_EQ(store.ContextHelpString("Border Widths"), "");
    EXPECT_EQ(store.ContextHelpString(""), "");
    for (const QString& sLine : store.HelpLinesMemo) {
        EXPECT_FALSE(sLine.trimmed().isEmpty());
    }
}

TEST(ScriptForm, PageAndGateTemplatesHaveTheirLayout) {
    TScriptForm store;
    ASSERT_EQ(store.WriteDetectScriptMemo.size(), 3);
    EXPECT_EQ(store.WriteDetectScriptMemo[1], "if(rf){");
    EXPECT_EQ(store.WriteDetectScriptMemo[2], "}");
    EXPECT_EQ(store.LibraryFileHeaderMemo.size(), 6);
    ASSERT_EQ(store.PreviewHTMLDefaultMemo.size(), 18);
    EXPECT_EQ(store.PreviewHTMLDefaultMemo[2], "<!-- Brisola Linking section start -->");
    EXPECT_EQ(store.PreviewHTMLDefaultMemo[3], "<!-- Please place just after the body tag -->");
    EXPECT_EQ(store.PreviewHTMLDefaultMemo[4] + store.PreviewHTMLDefaultMemo[5] + store.PreviewHTMLDefaultMemo[6], "");
    EXPECT_EQ(store.PreviewHTMLDefaultMemo[7], "<!-- Brisola Linking Section End -->");
    ASSERT_EQ(store.InternalHTMLMemo.size(), 10);
    EXPECT_EQ(store.InternalHTMLMemo[5], "</head><body bgcolor=#EEEEEE oncontextmenu=\"return false\">");
    EXPECT_EQ(store.InternalHTMLMemo[9], "</body></html>");
    ASSERT_EQ(store.ZEPModalInternalHTMLMemo.size(), 1);
    EXPECT_TRUE(store.ZEPModalInternalHTMLMemo[0].endsWith(
        "<head><link href=\"ZEPMask.css\" rel=\"stylesheet\" type=\"text/css\"></head>"
        "<body bgcolor=#EEEEEE oncontextmenu=\"return false\"></body></html>"));
    ASSERT_EQ(store.ZEPMaskCSSMemo.size(), 12);
    const QString sCss = store.ZEPMaskCSSMemo.join('\n');
    EXPECT_TRUE(sCss.contains("#ZEPMask {") && sCss.contains("#ZEPMask_opera {"));
    EXPECT_TRUE(sCss.contains("background-image: url(ZEPMask.png);"));
}

// Reads the PNG's chunks, checking each CRC, into type -> data.
std::map<QByteArray, QByteArray> ReadPngChunks(const QByteArray& png) {
    std::map<QByteArray, QByteArray> chunks;
    qsizetype iPos = 8;
    while (iPos + 12 <= png.size()) {
        const quint32 iLength = qFromBigEndian<quint32>(png.constData() + iPos);
        const QByteArray typeAndData = png.mid(iPos + 4, 4 + qsizetype(iLength));
        const quint32 iCrc = qFromBigEndian<quint32>(png.constData() + iPos + 8 + iLength);
        EXPECT_EQ(iCrc, crc32(0, reinterpret_cast<const Bytef*>(typeAndData.constData()), uInt(typeAndData.size())))
            << typeAndData.left(4).toStdString();
        chunks[typeAndData.left(4)] += typeAndData.mid(4);
        iPos += 12 + qsizetype(iLength);
    }
    return chunks;
}

TEST(ScriptForm, MaskPictureIsA50By50PngOfOneTranslucentColour) {
    TScriptForm store;
    ASSERT_TRUE(store.ZEPMaskImage.startsWith("\x89PNG\r\n\x1a\n"));
    auto chunks = ReadPngChunks(store.ZEPMaskImage);
    const QByteArray header = chunks["IHDR"];
    ASSERT_EQ(header.size(), 13);
    EXPECT_EQ(qFromBigEndian<quint32>(header.constData()), 50u);
    EXPECT_EQ(qFromBigEndian<quint32>(header.constData() + 4), 50u);
    EXPECT_EQ(header.mid(8), QByteArray("\x08\x03\x00\x00\x00", 5)) << "8-bit palette, not interlaced";
    EXPECT_EQ(chunks["PLTE"], QByteArray("\xAA\xAB\xBB", 3));
    EXPECT_EQ(chunks["tRNS"], QByteArray(1, char(129)));
    EXPECT_TRUE(chunks.count("IEND"));

    QByteArray pixels(50 * 51 + 1, '\x7f');
    uLongf iSize = uLongf(pixels.size());
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(pixels.data()), &iSize,
                         reinterpret_cast<const Bytef*>(chunks["IDAT"].constData()), uLong(chunks["IDAT"].size())),
              Z_OK);
    EXPECT_EQ(iSize, uLongf(50 * 51)) << "one filter byte and 50 palette indexes per row";
    EXPECT_EQ(pixels.left(50 * 51), QByteArray(50 * 51, '\0'));
}

} // namespace
