#include "ModelTestFiles.h"
#include "ProjectFiles.h"
#include "TProfileFile.h"
#include "TZEPProject.h"

#include <QTemporaryDir>

namespace {

// A single-popup project loaded from directory A, to be saved elsewhere.
class AttachedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        sDirA = root.filePath("A") + '/';
        sDirB = root.filePath("B") + '/';
        QDir().mkpath(sDirB);
        WriteBytes(sDirA + "a.zrj", "[SYSTEM]\r\nTemplate=0\r\n[REFERENCE]\r\nUniqueID=promo\r\n"
                                    "[ATTACHED_FILES]\r\nFile1=pic.gif\r\nFile2=img/sub/b.png\r\n");
        WriteBytes(sDirA + "a.html", "<img src=\"pic.gif\">\r\n");
        WriteBytes(sDirA + "pic.gif", "GIF-A");
        WriteBytes(sDirA + "img/sub/b.png", "PNG-A");
        project.sFullProjectName = sDirA + "a.zrj";
        TProfileFile file(project.sFullProjectName);
        ASSERT_TRUE(project.LoadFromIniFile(file, false)) << project.GetLastError().toStdString();
        project.sLoadedProjectPath = sDirA;
    }
    TZEPInstance& Instance() { return project.InstanceList.Instance(0); }
    bool SaveAs(const QString& sFullProject) {
        project.sFullProjectName = sFullProject;
        TProfileFile file(sFullProject);
        return project.SaveToIniFile(file) && file.UpdateFile();
    }

    QTemporaryDir root;
    QString sDirA;
    QString sDirB;
    TZEPProject project;
};

} // namespace

TEST_F(AttachedFiles, SaveIntoANewDirectoryCopiesThemOnceCreatingSubDirectories) {
    ASSERT_TRUE(SaveAs(sDirB + "b.zrj")) << project.GetLastError().toStdString();
    EXPECT_EQ(ReadWholeFile(sDirB + "pic.gif"), "GIF-A");
    EXPECT_EQ(ReadWholeFile(sDirB + "img/sub/b.png"), "PNG-A");
    TProfileFile saved(sDirB + "b.zrj");
    EXPECT_EQ(saved.ReadString("ATTACHED_FILES", "File2", ""), "img/sub/b.png");

    // Existing files in the target are neither copied again nor overwritten.
    WriteBytes(sDirA + "pic.gif", "GIF-A2");
    ASSERT_TRUE(SaveAs(sDirB + "b.zrj"));
    EXPECT_EQ(ReadWholeFile(sDirB + "pic.gif"), "GIF-A");
}

TEST_F(AttachedFiles, SavingInPlaceCopiesNothing) {
    ASSERT_TRUE(SaveAs(sDirA + "a.zrj"));
    EXPECT_EQ(ReadWholeFile(sDirA + "pic.gif"), "GIF-A");
}

TEST_F(AttachedFiles, NamesThatLeaveTheProjectDirectoryAreRefused) {
    for (const QString& sName : {QString("../evil.gif"), QString("img/../../evil.gif"),
                                 QString("img\\..\\..\\evil.gif"), QString("/etc/hostname"), QString("C:\\x.gif")}) {
        Instance().BinaryGraphicFiles = {"pic.gif", sName};
        EXPECT_FALSE(SaveAs(sDirB + "b.zrj"));
        EXPECT_EQ(project.GetLastError(),
                  "Object saving error <Attached file <" + sName + "> is not inside the project directory>");
        EXPECT_FALSE(Instance().CopyAttachedFiles(sDirA));
        EXPECT_EQ(Instance().GetLastError(), "Attached file <" + sName + "> is not inside the project directory");
    }
    EXPECT_FALSE(QFileInfo::exists(sDirB + "evil.gif"));
}

TEST_F(AttachedFiles, CopyAndDirectoryFailuresStopTheSaveWithTheSystemMessage) {
    Instance().BinaryGraphicFiles = {"missing.gif"};
    EXPECT_FALSE(SaveAs(sDirB + "b.zrj"));
    const QString sCopyError =
        "Object saving error <Failed to copy attached file <" + sDirA + "missing.gif> to <" + sDirB + "missing.gif> - ";
    EXPECT_TRUE(project.GetLastError().startsWith(sCopyError)) << project.GetLastError().toStdString();
    EXPECT_GT(project.GetLastError().size(), sCopyError.size() + 1);

    Instance().BinaryGraphicFiles = {"img/sub/b.png"};
    WriteBytes(sDirB + "img", "a file where a directory belongs");
    EXPECT_FALSE(SaveAs(sDirB + "b.zrj"));
    EXPECT_TRUE(
        project.GetLastError().startsWith("Object saving error <Failed to create directory <" + sDirB + "img/sub> - "))
        << project.GetLastError().toStdString();
}

TEST_F(AttachedFiles, OnlyTwelveNamesAreStored) {
    QStringList names;
    for (int i = 1; i <= 13; ++i) {
        names.append(QString("f%1.gif").arg(i));
        WriteBytes(sDirA + names.back(), "x");
    }
    Instance().BinaryGraphicFiles = names;
    ASSERT_TRUE(SaveAs(sDirA + "a.zrj"));
    EXPECT_EQ(Instance().BinaryGraphicFiles.size(), 13);
    TZEPProject loaded;
    loaded.sFullProjectName = sDirA + "a.zrj";
    TProfileFile file(loaded.sFullProjectName);
    ASSERT_TRUE(loaded.LoadFromIniFile(file, false));
    EXPECT_EQ(loaded.InstanceList.Instance(0).BinaryGraphicFiles, names.mid(0, 12));
}

TEST_F(AttachedFiles, ImportCopiesIntoTheTopOfTheProjectDirectoryAndKeepsTheNames) {
    TZEPProject other;
    other.sFullProjectName = sDirB + "b.zrj";
    auto oInstance = other.CreateInstance();
    oInstance->BinaryGraphicFiles = {"pic.gif", "img/sub/b.png"};
    ASSERT_TRUE(oInstance->CopyAttachedFiles(sDirA)) << oInstance->GetLastError().toStdString();
    EXPECT_EQ(ReadWholeFile(sDirB + "b.png"), "PNG-A");
    EXPECT_EQ(ReadWholeFile(sDirB + "pic.gif"), "GIF-A");
    EXPECT_EQ(oInstance->BinaryGraphicFiles, QStringList({"pic.gif", "img/sub/b.png"}));

    oInstance->BinaryGraphicFiles = {"nothere.gif"};
    EXPECT_FALSE(oInstance->CopyAttachedFiles(sDirA));
    EXPECT_TRUE(oInstance->GetLastError().startsWith("Failed to copy attached file <" + sDirA + "nothere.gif> to <" +
                                                     sDirB + "nothere.gif> - "));
    oInstance->BinaryGraphicFiles.clear();
    EXPECT_TRUE(oInstance->CopyAttachedFiles(sDirA));
}

TEST(ProjectFileLists, EditableFilesStopAtTheFirstEmptyOrMissingFile) {
    QTemporaryDir dir;
    const QString sDir = dir.path() + '/';
    WriteBytes(sDir + "style.css", "x");
    WriteBytes(sDir + "after.js", "x");
    TProfileFile file;
    file.LoadFromText("[AUX_FILES]\r\nFile1= style.css \r\nFile2=missing.js\r\nFile3=after.js\r\n");
    EXPECT_EQ(ReadEditableFileNames(file, sDir), QStringList({"style.css"}));

    TProfileFile written;
    WriteEditableFileNames(written, {sDir + "a.css", "b.js"});
    EXPECT_EQ(written.ToText(), "[AUX_FILES]\r\nFile1=a.css\r\nFile2=b.js\r\nFile3=\r\nFile4=\r\nFile5=\r\nFile6=\r\n");
}

TEST(ProjectFileLists, UploadListReadsAsManyKeysAsTheSectionHolds) {
    TProfileFile file;
    file.LoadFromText("[UPLOAD_INCLUDE_FILES]\r\nFile0= a.js \r\nFile1=\r\nFile2=b.js\r\nOther=c\r\nFile5=lost\r\n");
    EXPECT_EQ(ReadUploadIncludeList(file), QStringList({"a.js", "b.js"}));
}

TEST(ProjectFileLists, WriteUploadIncludeListReplacesTheSectionOnDisk) {
    QTemporaryDir dir;
    const QString sProject = dir.filePath("p.zrj");
    WriteBytes(sProject, "[UPLOAD_INCLUDE_FILES]\r\nFile0=old\r\nFile5=older\r\n[SYSTEM]\r\nTemplate=0\r\n");
    QString sError;
    ASSERT_TRUE(WriteUploadIncludeList(sProject, {" p.js ", "p.html"}, sError)) << sError.toStdString();
    EXPECT_EQ(ReadWholeFile(sProject),
              "[SYSTEM]\r\nTemplate=0\r\n[UPLOAD_INCLUDE_FILES]\r\nFile0=p.js\r\nFile1=p.html\r\n");

    TProfileFile saveFile(sProject);
    WriteUploadIncludeFiles(saveFile, {"x.js"});
    EXPECT_EQ(saveFile.ReadString("UPLOAD_INCLUDE_FILES", "File1", ""), "p.html"); // not erased

    EXPECT_FALSE(WriteUploadIncludeList(dir.filePath(".zrj"), {"a"}, sError));
    EXPECT_FALSE(sError.isEmpty());
    EXPECT_FALSE(WriteUploadIncludeList(dir.filePath("nodir/p.zrj"), {"a"}, sError));
    EXPECT_EQ(sError, "Unable to write to " + dir.filePath("nodir/p.zrj"));
}
