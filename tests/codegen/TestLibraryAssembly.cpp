#include "LibraryAssembly.h"

#include "TScriptForm.h"
#include "TZEPProject.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <iostream>

namespace {

class LibraryAssembly : public ::testing::Test {
protected:
    void SetUp() override {
        store.sVersion = "4.0.2.80";
        store.InitialiseScript();
    }
    TZEPInstance& AddInstance(const QString& sUid) {
        auto oInstance = std::make_unique<TZEPInstance>(nullptr);
        oInstance->sUniqueID = sUid;
        return instances.Add(std::move(oInstance));
    }
    QString Path(const QString& sName) { return folder.filePath(sName); }

    TScriptForm store;
    TLibraryAssembly assembly{store};
    TInstanceList instances;
    QTemporaryDir folder;
};

TEST_F(LibraryAssembly, LibraryTextIsEverySectionInOrderWhateverTheInstance) {
    QString sExpected;
    for (const char* sName : {"main", "zepDrop", "zepSlide", "zepFade", "moveResize", "incAPI", "followScroll",
                              "absoluteLoc", "cookie", "zep", "zepTimer", "tooltip", "iframeShim"}) {
        sExpected += store.GetSectionCode(sName);
    }
    TZEPInstance& plain = AddInstance("plain");
    TZEPInstance& tooltip = AddInstance("tip");
    tooltip.bToolTip = 1;
    EXPECT_EQ(assembly.GetLibraryCode(nullptr), sExpected);
    EXPECT_EQ(assembly.GetLibraryCode(&plain), sExpected);
    EXPECT_EQ(assembly.GetLibraryCode(&tooltip), sExpected);
}

TEST_F(LibraryAssembly, CustomImageFolderIsUsedAsTypedWithASeparator) {
    TZEPInstance& oInstance = AddInstance("promo");
    oInstance.sCustomPath = " img/ ";
    const QString sText = "url(close.gif) url(resize.gif) url(close.gif) Close.GIF";
    EXPECT_EQ(TLibraryAssembly::SetCustomImagePaths(oInstance, sText), sText) << "bUseCustom is 0";
    oInstance.bUseCustom = 1;
    EXPECT_EQ(TLibraryAssembly::SetCustomImagePaths(oInstance, sText),
              "url(img//close.gif) url(img//resize.gif) url(img//close.gif) Close.GIF");
}

TEST_F(LibraryAssembly, LocalImageFolderGetsForwardSlashesAndAWebAddressKeepsItsOwn) {
    TZEPInstance& oInstance = AddInstance("promo");
    oInstance.bUseCustom = 1;
    const QString sText = "url(close.gif) url(resize.gif)";
    const std::pair<QString, QString> cases[] = {
        {"C:\\Site\\images", "url(C:/Site/images/close.gif) url(C:/Site/images/resize.gif)"},
        {"..\\img", "url(../img/close.gif) url(../img/resize.gif)"},
        {"https://cdn.example/img", "url(https://cdn.example/img/close.gif) url(https://cdn.example/img/resize.gif)"},
        // Kept, and escaped as the script string it stands in.
        {"http://host\\odd", "url(http://host\\\\odd/close.gif) url(http://host\\\\odd/resize.gif)"},
    };
    for (const auto& [sPath, sExpected] : cases) {
        oInstance.sCustomPath = sPath;
        EXPECT_EQ(TLibraryAssembly::SetCustomImagePaths(oInstance, sText), sExpected) << sPath.toStdString();
    }
}

TEST_F(LibraryAssembly, LibraryFileHasHeaderGateLibraryAndClosingLine) {
    TZEPInstance& oInstance = AddInstance("promo");
    QStringList outputFiles{"earlier.js"};
    const QString sPath = Path("promo_zeplib.js");
    ASSERT_TRUE(assembly.WriteLibraryFile(instances, outputFiles, {"var rf=true;", "if(rf){", "}"}, sPath));
    EXPECT_EQ(outputFiles, (QStringList{"earlier.js", sPath}));

    QByteArray expected = "//****** Brisola Version 4.0.2.80 Script Version 3.02 ******\r\n";
    for (const QString& sNotice : store.LibraryFileHeaderMemo) {
        expected += sNotice.toUtf8() + "\r\n";
    }
    expected += "(function(){\r\nvar rf=true;\r\nif(rf){\r\n" + assembly.GetLibraryCode(&oInstance).toUtf8() +
                "\r\n}\r\n})();\r\n";
    EXPECT_EQ(ReadWholeFile(sPath), expected);
}

// Phones on slow networks load the library file, gate included: it stays within 10,240 bytes after gzip -9.
TEST_F(LibraryAssembly, LibraryFileStaysWithinItsCompressedSizeBudget) {
    AddInstance("promo");
    QStringList outputFiles;
    const QString sPath = Path("promo_zeplib.js");
    ASSERT_TRUE(assembly.WriteLibraryFile(instances, outputFiles, store.WriteDetectScriptMemo, sPath));
    // The same deflate stream as gzip -9; qCompress frames it in 10 bytes (length, zlib header, checksum), gzip in 18
    // plus the file name and its terminating zero.
    const qsizetype iGzipSize =
        qCompress(ReadWholeFile(sPath), 9).size() - 10 + 18 + qsizetype(sizeof("promo_zeplib.js"));
    std::cout << "[ MEASURED ] library file after gzip -9: " << iGzipSize << " bytes" << std::endl;
    EXPECT_LE(iGzipSize, 10240);
}

TEST_F(LibraryAssembly, SingleInstanceCustomFolderRedirectsTheImagesButSeveralInstancesDoNot) {
    TZEPInstance& first = AddInstance("a");
    first.bUseCustom = 1;
    first.sCustomPath = "img/";
    QStringList outputFiles;
    ASSERT_TRUE(assembly.WriteLibraryFile(instances, outputFiles, store.WriteDetectScriptMemo, Path("one.js")));
    const QByteArray one = ReadWholeFile(Path("one.js"));
    EXPECT_TRUE(one.contains("url(img//close.gif)"));
    EXPECT_TRUE(one.contains("url(img//resize.gif)"));
    EXPECT_FALSE(one.contains("url(close.gif)"));

    TZEPInstance& second = AddInstance("b");
    second.bUseCustom = 1;
    second.sCustomPath = "pics";
    ASSERT_TRUE(assembly.WriteLibraryFile(instances, outputFiles, store.WriteDetectScriptMemo, Path("two.js")));
    const QByteArray two = ReadWholeFile(Path("two.js"));
    EXPECT_TRUE(two.contains("url(close.gif)"));
    EXPECT_TRUE(two.contains("url(resize.gif)"));
    EXPECT_FALSE(two.contains("img/"));
}

TEST_F(LibraryAssembly, ShortGateOrUnwritablePathFailsWithoutListingTheFile) {
    AddInstance("promo");
    QStringList outputFiles;
    EXPECT_FALSE(assembly.WriteLibraryFile(instances, outputFiles, {"var rf=true;", "if(rf){"}, Path("lib.js")));
    EXPECT_FALSE(QFile::exists(Path("lib.js")));
    EXPECT_FALSE(
        assembly.WriteLibraryFile(instances, outputFiles, store.WriteDetectScriptMemo, Path("missing/folder/lib.js")));
    EXPECT_FALSE(assembly.GetLastError().isEmpty());
    EXPECT_TRUE(outputFiles.isEmpty());
}

} // namespace
