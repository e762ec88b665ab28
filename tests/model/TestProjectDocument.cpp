#include "ModelTestFiles.h"
#include "TProfileFile.h"
#include "TProjectDocument.h"

#include <QTemporaryDir>

namespace {

// A template in folder A with an editable file, an attached picture and an
// upload list, opened into a document.
class ProjectDocument : public ::testing::Test {
protected:
    void SetUp() override {
        sDirA = root.filePath("A") + '/';
        WriteBytes(sDirA + "t.zrj", "[SYSTEM]\r\nTemplate=1\r\n[REFERENCE]\r\nUniqueID=promo\r\n"
                                    "[ATTACHED_FILES]\r\nFile1=pic.gif\r\n"
                                    "[AUX_FILES]\r\nFile1=extra.css\r\n"
                                    "[UPLOAD_INCLUDE_FILES]\r\nFile0=lead.js\r\nFile1= \r\nFile2=tail.js\r\n");
        WriteBytes(sDirA + "t.html", "<p>hi</p>\r\n");
        WriteBytes(sDirA + "pic.gif", "GIF");
        WriteBytes(sDirA + "extra.css", "p{}");
        ASSERT_TRUE(document.Open(sDirA + "t.zrj")) << document.GetLastError().toStdString();
    }
    QString Read(const QString& sFile, const QString& sSection, const QString& sKey) const {
        return TProfileFile(sFile).ReadString(sSection, sKey, "<absent>");
    }

    QTemporaryDir root;
    QString sDirA;
    TProjectDocument document;
};

} // namespace

TEST_F(ProjectDocument, OpenReadsTheRecordAndBothLists) {
    EXPECT_EQ(document.Project.sFullProjectName, sDirA + "t.zrj");
    EXPECT_EQ(document.Project.sLoadedProjectPath, sDirA);
    EXPECT_EQ(document.Project.bTemplate, 1);
    EXPECT_EQ(document.EditableFiles, QStringList{"extra.css"});
    EXPECT_EQ(document.UpLoadIncludeList, QStringList({"lead.js", "tail.js"}));
    EXPECT_TRUE(TProjectDocument::IsProjectFile(sDirA + "t.zrj"));
    EXPECT_FALSE(TProjectDocument::IsProjectFile(sDirA + "t.html"));
    EXPECT_FALSE(TProjectDocument::IsProjectFile(sDirA + "absent.zrj"));
}

TEST_F(ProjectDocument, OpenFailuresSayWhy) {
    WriteBytes(sDirA + "notes.zrj", "[NOTES]\r\nKey=1\r\n");
    WriteBytes(sDirA + "p.zrj", "[SYSTEM]\r\nTemplate=0\r\n[REFERENCE]\r\nUniqueID=p\r\n");
    const struct {
        QString sFile;
        bool bTemplateRequired;
        QString sError;
    } cases[] = {
        {sDirA + "absent.zrj", false, "Project file <" + sDirA + "absent.zrj> does not exist"},
        {sDirA + "notes.zrj", false, "The file <" + sDirA + "notes.zrj> is not a Brisola project"},
        {sDirA + "p.zrj", true, "The file <" + sDirA + "p.zrj> is not a project template"},
    };
    for (const auto& c : cases) {
        TProjectDocument other;
        EXPECT_FALSE(other.Open(c.sFile, c.bTemplateRequired));
        EXPECT_EQ(other.GetLastError(), c.sError);
    }
}

TEST_F(ProjectDocument, SaveAsWritesAProjectElsewhereWithItsFilesAndLists) {
    document.UpLoadIncludeList = {" new.js "};
    const QString sTarget = root.filePath("B/deeper/copy.zrj");
    ASSERT_TRUE(document.SaveAs(sTarget)) << document.GetLastError().toStdString();
    const QString sDirB = root.filePath("B/deeper/");
    EXPECT_EQ(document.Project.sFullProjectName, sTarget);
    EXPECT_EQ(document.Project.sLoadedProjectPath, sDirB);
    EXPECT_EQ(document.Project.bTemplate, 0);
    EXPECT_EQ(Read(sTarget, "SYSTEM", "Template"), "0");
    EXPECT_EQ(Read(sTarget, "AUX_FILES", "File1"), "extra.css");
    EXPECT_EQ(Read(sTarget, "AUX_FILES", "File2"), "");
    EXPECT_EQ(Read(sTarget, "UPLOAD_INCLUDE_FILES", "File0"), "new.js");
    EXPECT_EQ(ReadWholeFile(sDirB + "pic.gif"), "GIF");
    EXPECT_EQ(ReadWholeFile(sDirB + "extra.css"), "p{}");
    EXPECT_EQ(Read(sDirA + "t.zrj", "SYSTEM", "Template"), "1") << "the template stays as it was";

    // Saved again in place, the record keeps its new name and the files stay.
    document.Project.bCoverBoxes = 1;
    ASSERT_TRUE(document.Save());
    EXPECT_EQ(Read(sTarget, "OPTIONS", "CoverBoxes"), "1");
}

TEST_F(ProjectDocument, AFailedSaveAsKeepsTheNameAndTheTemplateFlag) {
    WriteBytes(root.filePath("blocker"), "a file where a folder belongs");
    EXPECT_FALSE(document.SaveAs(root.filePath("blocker/copy.zrj")));
    EXPECT_FALSE(document.GetLastError().isEmpty());
    EXPECT_EQ(document.Project.sFullProjectName, sDirA + "t.zrj");
    EXPECT_EQ(document.Project.bTemplate, 1);

    QDir().mkpath(root.filePath("C/copy.zrj")); // a folder where the project file belongs
    EXPECT_FALSE(document.SaveAs(root.filePath("C/copy.zrj")));
    EXPECT_EQ(document.GetLastError(),
              "Unable to read <" + root.filePath("C/copy.zrj") + ">: it is not a regular file");
    EXPECT_EQ(document.Project.sFullProjectName, sDirA + "t.zrj");
    EXPECT_EQ(document.Project.bTemplate, 1);
}

TEST_F(ProjectDocument, SaveWithoutANameIsRefused) {
    document.Project.sFullProjectName = sDirA + ".zrj";
    EXPECT_FALSE(document.Save());
    EXPECT_EQ(document.GetLastError(), "The project file <" + sDirA + ".zrj> has no name");
}
