// Golden compile cases: each folder under tests/data/compile holds a project
// and, under expected/, the files the compile must write, byte for byte, and
// the compile report (results.txt). Lines that other parts of the system own
// stand as tokens: @HEADER@ (the script header lines), @GATE1@ (the browser
// gate's first line), @PREVIEW1@ and @PREVIEW2@ (the preview page template's
// first lines); @DIR@ is the project folder.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "CompileTestSupport.h"
#include "ProjectFiles.h"
#include "TProfileFile.h"

namespace {

QString ExpandTokens(QString sText, TScriptForm& script, const QString& sDir) {
    sText.replace(QStringLiteral("@HEADER@\r\n"),
                  script.GetListWithScriptHeader().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    sText.replace(QStringLiteral("@GATE1@"), script.WriteDetectScriptMemo.value(0));
    sText.replace(QStringLiteral("@PREVIEW1@"), script.PreviewHTMLDefaultMemo.value(0));
    sText.replace(QStringLiteral("@PREVIEW2@"), script.PreviewHTMLDefaultMemo.value(1));
    sText.replace(QStringLiteral("@DIR@"), sDir);
    return sText;
}

QStringList CaseNames() {
    QStringList names = QDir(CompileDataDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    names.removeAll(QStringLiteral("templates"));
    return names;
}

class CompileGolden : public ::testing::TestWithParam<QString> {};

TEST_P(CompileGolden, WritesTheExpectedFilesAndReport) {
    const QString sCase = CompileDataDir() + u'/' + GetParam();
    const QStringList projects = QDir(sCase + QStringLiteral("/project")).entryList({QStringLiteral("*.zrj")});
    ASSERT_EQ(projects.size(), 1);
    TCompileFixture fixture;
    ASSERT_TRUE(fixture.Open(sCase + QStringLiteral("/project"), projects.front()))
        << fixture.Project.GetLastError().toStdString();
    ASSERT_TRUE(fixture.Compile()) << fixture.Ui.Errors.join(u'\n').toStdString();
    ASSERT_EQ(fixture.Ui.Results.size(), 1);

    const QDir expected(sCase + QStringLiteral("/expected"));
    for (const QString& sName : expected.entryList(QDir::Files)) {
        const QString sWanted =
            ExpandTokens(QString::fromUtf8(ReadWholeFile(expected.filePath(sName))), fixture.Script, fixture.sDir);
        const QString sActual = sName == QStringLiteral("results.txt")
                                    ? FormatResults(fixture.Ui.Results.front())
                                    : QString::fromUtf8(ReadWholeFile(fixture.Path(sName)));
        EXPECT_EQ(sActual.toStdString(), sWanted.toStdString()) << "file " << sName.toStdString();
    }

    // Every listed file exists, and the list is stored in the project file.
    const QStringList listed = fixture.Ui.Results.front().IncludeFiles;
    EXPECT_EQ(fixture.Pipeline->UpLoadIncludeList, listed);
    TProfileFile projectFile;
    ASSERT_TRUE(projectFile.Open(fixture.Project.Project.sFullProjectName));
    EXPECT_EQ(ReadUploadIncludeList(projectFile), listed);
    for (const QString& sFile : listed) {
        if (!sFile.endsWith(QStringLiteral(".gif"))) {
            EXPECT_TRUE(QFileInfo::exists(sFile)) << sFile.toStdString();
        }
    }
    EXPECT_TRUE(QFileInfo::exists(fixture.Path(ProjectStem(projects.front()) + QStringLiteral("_Preview.html"))));
    EXPECT_EQ(fixture.Ui.Statuses.last(), QStringLiteral("Compilation complete"));
}

std::string CaseTestName(const ::testing::TestParamInfo<QString>& info) {
    return QString(info.param).replace(u'-', u'_').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, CompileGolden, ::testing::ValuesIn(CaseNames()), CaseTestName);

} // namespace
