// The compile pipeline with scripted answers: saving and its questions, the
// reports that stop a compile and what they leave behind, the upload list and
// the check of the compiled version.

#include <gtest/gtest.h>

#include <stdexcept>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "CompileTestSupport.h"
#include "ProjectFiles.h"
#include "TProfileFile.h"

namespace {

QString CaseProject(const QString& sCase) {
    return CompileDataDir() + u'/' + sCase + QStringLiteral("/project");
}

// File names and modification times of a folder, to show that nothing changed.
QStringList Snapshot(const QString& sDir) {
    QStringList entries;
    for (const QFileInfo& info : QDir(sDir).entryInfoList(QDir::Files, QDir::Name)) {
        entries << info.fileName() + u' ' + QString::number(info.lastModified().toMSecsSinceEpoch()) + u' ' +
                       QString::number(info.size());
    }
    return entries;
}

void SetProjectValue(const QString& sFile, const QString& sSection, const QString& sKey, const QString& sValue) {
    TProfileFile file;
    ASSERT_TRUE(file.Open(sFile));
    file.WriteString(sSection, sKey, sValue);
    ASSERT_TRUE(file.UpdateFile());
}

class CompilePipeline : public ::testing::Test {
protected:
    bool OpenCase(const QString& sCase, const QString& sProject = QStringLiteral("promo.zrj")) {
        return fixture.Open(CaseProject(sCase), sProject);
    }
    TCompileFixture fixture;
};

TEST_F(CompilePipeline, TemplateIsRefusedUnlessSavedAsAProject) {
    QTemporaryDir source;
    CopyFolderFiles(CaseProject(QStringLiteral("plain")), source.path());
    SetProjectValue(source.path() + QStringLiteral("/promo.zrj"), QStringLiteral("SYSTEM"), QStringLiteral("Template"),
                    QStringLiteral("1"));
    ASSERT_TRUE(fixture.Open(source.path(), QStringLiteral("promo.zrj")));
    const QStringList before = Snapshot(fixture.sDir);

    EXPECT_FALSE(fixture.Compile()); // Cancel
    ASSERT_EQ(fixture.Ui.Questions.size(), 1);
    EXPECT_EQ(fixture.Ui.Questions.front(),
              QStringLiteral("This file is a template - Please save as a project before compilation"));
    EXPECT_EQ(fixture.Ui.iSavesAs, 0);
    EXPECT_FALSE(fixture.Pipeline->bCompiling);

    fixture.Ui.Answers = {true}; // OK, but the Save As fails
    EXPECT_FALSE(fixture.Compile());
    EXPECT_EQ(fixture.Ui.iSavesAs, 1);
    EXPECT_EQ(Snapshot(fixture.sDir), before);

    QTemporaryDir target;
    fixture.Ui.Answers = {true};
    fixture.Ui.OnSaveAs = [&] { return fixture.Project.SaveAs(target.path() + QStringLiteral("/offer.zrj")); };
    ASSERT_TRUE(fixture.Compile()) << fixture.Ui.Errors.join(u'\n').toStdString();
    EXPECT_TRUE(QFileInfo::exists(target.path() + QStringLiteral("/offer.js")));
    EXPECT_TRUE(QFileInfo::exists(target.path() + QStringLiteral("/offer_Preview.html")));
    EXPECT_EQ(Snapshot(fixture.sDir), before);
}

TEST_F(CompilePipeline, ASaveAsThatReloadsTheProjectCompilesTheReloadedPopups) {
    QTemporaryDir source;
    CopyFolderFiles(CaseProject(QStringLiteral("plain")), source.path());
    SetProjectValue(source.path() + QStringLiteral("/promo.zrj"), QStringLiteral("SYSTEM"), QStringLiteral("Template"),
                    QStringLiteral("1"));
    ASSERT_TRUE(fixture.Open(source.path(), QStringLiteral("promo.zrj")));
    QTemporaryDir target;
    const QString sSaved = target.path() + QStringLiteral("/offer.zrj");
    fixture.Ui.Answers = {true};
    // The editor's Save As loads the file it wrote: new records replace the
    // old. The old record is kept alive here, so a compile that still used it
    // shows its title instead of failing at random.
    std::unique_ptr<TZEPInstance> replaced;
    fixture.Ui.OnSaveAs = [&] {
        if (!fixture.Project.SaveAs(sSaved))
            return false;
        replaced = fixture.Project.Project.InstanceList.Take(0);
        replaced->sTitle = QStringLiteral("Replaced title");
        if (!fixture.Project.Open(sSaved))
            return false;
        fixture.Project.Project.InstanceList.Instance(0).sTitle = QStringLiteral("Reloaded title");
        return true;
    };
    ASSERT_TRUE(fixture.Compile()) << fixture.Ui.Errors.join(u'\n').toStdString();
    const QByteArray linking = ReadWholeFile(target.path() + QStringLiteral("/offer.js"));
    EXPECT_TRUE(linking.contains("Reloaded title"));
    EXPECT_FALSE(linking.contains("Replaced title"));
}

TEST_F(CompilePipeline, SavedAsProjectTakesItsEditableFilesAlongAndListsThemFirst) {
    QTemporaryDir source;
    CopyFolderFiles(CaseProject(QStringLiteral("multi")), source.path());
    for (const char* sSection : {"ATTACHED_FILES0", "ATTACHED_FILES2"}) {
        SetProjectValue(source.path() + QStringLiteral("/site.zrj"), QLatin1String(sSection), QStringLiteral("File1"),
                        QString());
    }
    ASSERT_TRUE(fixture.Open(source.path(), QStringLiteral("site.zrj")));
    QTemporaryDir target;
    ASSERT_TRUE(fixture.Project.SaveAs(target.path() + QStringLiteral("/copy.zrj")))
        << fixture.Project.GetLastError().toStdString();
    ASSERT_TRUE(fixture.Compile()) << fixture.Ui.Errors.join(u'\n').toStdString();
    const QString sFolder = target.path() + u'/';
    EXPECT_EQ(fixture.Pipeline->UpLoadIncludeList,
              (QStringList{sFolder + QStringLiteral("style.css"), sFolder + QStringLiteral("copy_ZEPcontent.js"),
                           sFolder + QStringLiteral("copy_zeplib.js"), sFolder + QStringLiteral("copy.js"),
                           sFolder + QStringLiteral("ZEPMask.css"), sFolder + QStringLiteral("ZEPMask.png")}));
    for (const QString& sFile : fixture.Pipeline->UpLoadIncludeList) {
        EXPECT_TRUE(QFileInfo::exists(sFile)) << sFile.toStdString();
    }
}

TEST_F(CompilePipeline, CancelOnTheSaveQuestionLeavesEveryFileUntouched) {
    ASSERT_TRUE(OpenCase(QStringLiteral("plain")));
    fixture.Pipeline->Options.bAutoSave = false;
    fixture.Pipeline->bEdited = true;
    const QStringList before = Snapshot(fixture.sDir);
    EXPECT_FALSE(fixture.Compile());
    EXPECT_EQ(fixture.Ui.Questions, QStringList{QStringLiteral("Project will be saved before compilation")});
    EXPECT_EQ(fixture.Ui.iSaves, 0);
    EXPECT_EQ(Snapshot(fixture.sDir), before);

    fixture.Ui.Answers = {true};
    EXPECT_TRUE(fixture.Compile());
    EXPECT_EQ(fixture.Ui.iSaves, 1);
    EXPECT_FALSE(fixture.Pipeline->bEdited);
    EXPECT_EQ(fixture.Ui.sLastCaption, QStringLiteral("Brisola - promo"));
}

TEST_F(CompilePipeline, UnsavedChangesWithoutAutoSaveAndAFailedSaveStillCompile) {
    ASSERT_TRUE(OpenCase(QStringLiteral("plain")));
    fixture.Pipeline->Options.bAutoSave = false;
    EXPECT_TRUE(fixture.Compile()); // not edited: no question, no save
    EXPECT_TRUE(fixture.Ui.Questions.isEmpty());
    EXPECT_EQ(fixture.Ui.iSaves, 0);

    fixture.Pipeline->Options.bAutoSave = true;
    fixture.Ui.OnSave = [] { return false; };
    EXPECT_TRUE(fixture.Compile());
    EXPECT_TRUE(fixture.Ui.sLastCaption.isEmpty());
}

TEST_F(CompilePipeline, InvalidOrSharedUniqueIDsStopBeforeAnyFileIsWritten) {
    const struct {
        const char* sID;
        const char* sError;
    } cases[] = {
        {"2promo", "Compile Error : Unique ID <2promo> is not a valid script name"},
        {"my-popup", "Compile Error : Unique ID <my-popup> is not a valid script name"},
        {"new", "Compile Error : Unique ID <new> is not a valid script name"},
        {"  ", "Compile Error : Unique ID <> is not a valid script name"},
    };
    for (const auto& c : cases) {
        TCompileFixture one;
        ASSERT_TRUE(one.Open(CaseProject(QStringLiteral("plain")), QStringLiteral("promo.zrj")));
        one.Project.Project.InstanceList.Instance(0).sUniqueID = QString::fromUtf8(c.sID);
        const QStringList before = Snapshot(one.sDir);
        EXPECT_FALSE(one.Compile());
        EXPECT_EQ(one.Ui.Errors, QStringList{QString::fromUtf8(c.sError)});
        EXPECT_EQ(one.Ui.iSaves, 0);
        EXPECT_EQ(Snapshot(one.sDir), before);
    }

    ASSERT_TRUE(fixture.Open(CaseProject(QStringLiteral("multi")), QStringLiteral("site.zrj")));
    fixture.Project.Project.InstanceList.Instance(2).sUniqueID = QStringLiteral(" first ");
    EXPECT_FALSE(fixture.Compile());
    EXPECT_EQ(fixture.Ui.Errors,
              QStringList{QStringLiteral("Compile Error : Unique ID <first> is used by more than one popup")});
}

TEST_F(CompilePipeline, MissingMaskTemplateStopsAfterTheLibraryFile) {
    ASSERT_TRUE(OpenCase(QStringLiteral("modal")));
    fixture.Pipeline = std::make_unique<TCompilePipeline>(fixture.Project.Project, fixture.Script, fixture.Ui,
                                                          fixture.sDir + QStringLiteral("no-templates/"));
    fixture.Pipeline->UpLoadIncludeList = {QStringLiteral("old.js")};
    EXPECT_FALSE(fixture.Compile());
    EXPECT_EQ(fixture.Ui.Errors, (QStringList{QStringLiteral("Can not find Modal Template File"),
                                              QStringLiteral("Compile Error : Failed to write Linking file")}));
    EXPECT_TRUE(QFileInfo::exists(fixture.Path(QStringLiteral("promo_zeplib.js"))));
    EXPECT_FALSE(QFileInfo::exists(fixture.Path(QStringLiteral("promo.js"))));
    EXPECT_FALSE(QFileInfo::exists(fixture.Path(QStringLiteral("ZEPMask.css"))));
    EXPECT_FALSE(QFileInfo::exists(fixture.Path(QStringLiteral("promo_Preview.html"))));
    EXPECT_EQ(fixture.Pipeline->UpLoadIncludeList, QStringList{QStringLiteral("old.js")});
    EXPECT_FALSE(fixture.Pipeline->bCompiling);
    EXPECT_TRUE(fixture.Ui.Results.isEmpty());
}

TEST_F(CompilePipeline, UnreadableMaskTemplateStopsTheCombinedLinkingFile) {
    ASSERT_TRUE(OpenCase(QStringLiteral("multi"), QStringLiteral("site.zrj")));
    QDir(fixture.sDir).mkdir(QStringLiteral("broken"));
    QFile::copy(TestTemplateDir() + QStringLiteral("Modal1.zrx"), fixture.Path(QStringLiteral("broken/Modal1.zrx")));
    fixture.Pipeline = std::make_unique<TCompilePipeline>(fixture.Project.Project, fixture.Script, fixture.Ui,
                                                          fixture.Path(QStringLiteral("broken/")));
    EXPECT_FALSE(fixture.Compile());
    EXPECT_EQ(fixture.Ui.Errors,
              (QStringList{QStringLiteral("Can not open Modal Template File"),
                           QStringLiteral("Compile Error : Failed to write Combined Linking file")}));
    EXPECT_TRUE(QFileInfo::exists(fixture.Path(QStringLiteral("site_zeplib.js"))));
    EXPECT_FALSE(QFileInfo::exists(fixture.Path(QStringLiteral("site.js"))));
}

TEST_F(CompilePipeline, MissingInstanceIsLoggedAndStopsTheCombinedLinkingFile) {
    ASSERT_TRUE(OpenCase(QStringLiteral("multi"), QStringLiteral("site.zrj")));
    TInstanceRefs instances = InstanceRefs(fixture.Project.Project);
    instances[1] = nullptr;
    EXPECT_FALSE(fixture.Pipeline->CompileProject(instances));
    EXPECT_TRUE(fixture.Ui.Logs.contains(QStringLiteral("Nil instance at index 1")));
    EXPECT_EQ(fixture.Ui.Errors, QStringList{QStringLiteral("Compile Error : Failed to write Combined Linking file")});
}

TEST_F(CompilePipeline, UnwritableLibraryFileStopsTheCompile) {
    ASSERT_TRUE(OpenCase(QStringLiteral("plain")));
    QDir(fixture.sDir).mkdir(QStringLiteral("promo_zeplib.js"));
    EXPECT_FALSE(fixture.Compile());
    EXPECT_EQ(fixture.Ui.Errors, QStringList{QStringLiteral("Compile Error : Failed to write Library file")});
    EXPECT_FALSE(QFileInfo::exists(fixture.Path(QStringLiteral("promo.js"))));
}

TEST_F(CompilePipeline, UnwritableProjectFileKeepsTheUploadListAndWritesNoPreviewPage) {
    ASSERT_TRUE(OpenCase(QStringLiteral("plain")));
    fixture.Pipeline->UpLoadIncludeList = {QStringLiteral("old.js")};
    const QString sProject = fixture.Project.Project.sFullProjectName;
    fixture.Ui.OnSave = [&] { return QFile::remove(sProject) && QDir().mkdir(sProject); };
    EXPECT_FALSE(fixture.Compile());
    EXPECT_EQ(fixture.Ui.Errors, QStringList{QStringLiteral("Could not update included file list")});
    EXPECT_TRUE(QFileInfo::exists(fixture.Path(QStringLiteral("promo.js"))));
    EXPECT_FALSE(QFileInfo::exists(fixture.Path(QStringLiteral("promo_Preview.html"))));
    EXPECT_EQ(fixture.Pipeline->UpLoadIncludeList, QStringList{QStringLiteral("old.js")});
}

TEST_F(CompilePipeline, AnUnexpectedFailureIsReportedAndTheCompileStillEnds) {
    ASSERT_TRUE(OpenCase(QStringLiteral("plain")));
    fixture.Pipeline->UpLoadIncludeList = {QStringLiteral("old.js")};
    fixture.Ui.OnResults = [] { throw std::runtime_error("results dialog failed"); };
    EXPECT_FALSE(fixture.Compile());
    EXPECT_EQ(fixture.Ui.Errors, QStringList{QStringLiteral("Compile Error : Unknown exception")});
    EXPECT_EQ(fixture.Ui.Statuses.last(), QStringLiteral("Compilation complete"));
    EXPECT_FALSE(fixture.Pipeline->bCompiling);
    EXPECT_EQ(fixture.Pipeline->UpLoadIncludeList, QStringList{QStringLiteral("old.js")});
    EXPECT_FALSE(QFileInfo::exists(fixture.Path(QStringLiteral("promo_Preview.html"))));
}

TEST_F(CompilePipeline, UploadListReplacesTheStoredListWithoutTheResultsForm) {
    QTemporaryDir source;
    CopyFolderFiles(CaseProject(QStringLiteral("plain")), source.path());
    const QString sStored = source.path() + QStringLiteral("/summer.offer.zrj");
    QFile::rename(source.path() + QStringLiteral("/promo.zrj"), sStored);
    QFile::rename(source.path() + QStringLiteral("/promo.html"), source.path() + QStringLiteral("/summer.offer.html"));
    for (int i = 0; i < 5; ++i) {
        SetProjectValue(sStored, QStringLiteral("UPLOAD_INCLUDE_FILES"), QStringLiteral("File%1").arg(i),
                        QStringLiteral("stale%1.js").arg(i));
    }
    ASSERT_TRUE(fixture.Open(source.path(), QStringLiteral("summer.offer.zrj")));
    fixture.Pipeline->Options.bShowCompileBox = false;
    ASSERT_TRUE(fixture.Compile());
    EXPECT_TRUE(fixture.Ui.Results.isEmpty());
    const QStringList expected{fixture.Path(QStringLiteral("summer.offer_zeplib.js")),
                               fixture.Path(QStringLiteral("summer.offer.js"))};
    EXPECT_EQ(fixture.Pipeline->UpLoadIncludeList, expected);
    TProfileFile projectFile;
    ASSERT_TRUE(projectFile.Open(fixture.Project.Project.sFullProjectName));
    EXPECT_EQ(ReadUploadIncludeList(projectFile), expected);
    EXPECT_TRUE(QFileInfo::exists(fixture.Path(QStringLiteral("summer.offer_Preview.html"))));
    EXPECT_TRUE(fixture.Ui.Statuses.contains(QStringLiteral("Updated UpLoad included files list")));
    EXPECT_EQ(fixture.Ui.Statuses.indexOf(QStringLiteral("Compile completed")) + 2,
              fixture.Ui.Statuses.indexOf(QStringLiteral("Compilation complete")));
}

TEST_F(CompilePipeline, SeveralPopupsWithoutDynamicContentStillGetTheirContentFile) {
    ASSERT_TRUE(OpenCase(QStringLiteral("multi"), QStringLiteral("site.zrj")));
    fixture.Project.Project.bDynamicContent = 0;
    ASSERT_TRUE(fixture.Compile());
    EXPECT_EQ(
        QString::fromUtf8(ReadWholeFile(fixture.Path(QStringLiteral("site_ZEPcontent.js")))),
        QStringLiteral("zep_first=\"<p>One</p> \"\r\nzep_leave=\"<p>Two</p> \"\r\nzep_veil=\"<p>Three</p> \"\r\n"));
    EXPECT_TRUE(fixture.Ui.Results.front().ScriptBody.contains(
        QStringLiteral("<script type=\"text/javascript\" src=\"site_ZEPcontent.js\"></script>")));
    EXPECT_TRUE(fixture.Pipeline->UpLoadIncludeList.contains(fixture.Path(QStringLiteral("site_ZEPcontent.js"))));
}

TEST_F(CompilePipeline, AnchoredPopupsGetAnAnchorElement) {
    ASSERT_TRUE(OpenCase(QStringLiteral("multi"), QStringLiteral("site.zrj")));
    fixture.Project.Project.InstanceList.Instance(0).Location = ltAnchored;
    fixture.Project.Project.InstanceList.Instance(2).Location = ltAnchored;
    ASSERT_TRUE(fixture.Compile());
    EXPECT_EQ(fixture.Ui.Results.front().AnchorSyntax, (QStringList{QStringLiteral("<div id=\"first_anchor\"></div>"),
                                                                    QStringLiteral("<div id=\"veil_anchor\"></div>")}));
}

TEST_F(CompilePipeline, CheckCompiledVersionAnswers) {
    const QString sPurpose = QStringLiteral("view in your default browser");
    ASSERT_TRUE(OpenCase(QStringLiteral("plain")));
    EXPECT_FALSE(fixture.Pipeline->CheckCompiledVersion(sPurpose));
    EXPECT_EQ(fixture.Ui.Infos, QStringList{QStringLiteral("The project must be compiled to ") + sPurpose});

    ASSERT_TRUE(fixture.Compile());
    EXPECT_TRUE(fixture.Pipeline->CheckCompiledVersion(sPurpose));
    EXPECT_TRUE(fixture.Ui.Questions.isEmpty());

    // Saved after the last compile: the preview page is older.
    QFile preview(fixture.Path(QStringLiteral("promo_Preview.html")));
    ASSERT_TRUE(preview.open(QIODevice::ReadWrite));
    preview.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    preview.close();
    const QString sOlder = QStringLiteral("The compiled version of this project is older than the project and may "
                                          "not be up to date.\r\nDo you wish to continue?");
    EXPECT_FALSE(fixture.Pipeline->CheckCompiledVersion(sPurpose));
    fixture.Ui.Answers = {true};
    EXPECT_TRUE(fixture.Pipeline->CheckCompiledVersion(sPurpose));
    EXPECT_EQ(fixture.Ui.Questions, (QStringList{sOlder, sOlder}));

    fixture.Pipeline->bEdited = true;
    EXPECT_FALSE(fixture.Pipeline->CheckCompiledVersion(sPurpose));
    EXPECT_EQ(fixture.Ui.Questions.last(),
              QStringLiteral("The project has been edited.\r\nDo you wish to continue without saving?"));

    fixture.Project.Project.bTemplate = 1;
    EXPECT_FALSE(fixture.Pipeline->CheckCompiledVersion(sPurpose));
    EXPECT_EQ(fixture.Ui.Infos.last(), QStringLiteral("The project must be saved and compiled to ") + sPurpose);
}

} // namespace
