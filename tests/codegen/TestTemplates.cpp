// Every template of the installation loads, is saved as a project and
// compiles; the mask template loads as the mask popup.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "CompileTestSupport.h"
#include "TProfileFile.h"
#include "TZEPProject.h"

namespace {

QString InstallationTemplates() {
    return QStringLiteral(BRISOLA_SOURCE_DIR "/templates/");
}

class Templates : public ::testing::TestWithParam<QString> {};

TEST_P(Templates, LoadsAndCompilesOnceSavedAsAProject) {
    TCompileFixture fixture;
    ASSERT_TRUE(fixture.Open(InstallationTemplates(), GetParam())) << fixture.Project.GetLastError().toStdString();
    EXPECT_EQ(fixture.Project.Project.bTemplate, 1);
    fixture.Pipeline = std::make_unique<TCompilePipeline>(fixture.Project.Project, fixture.Script, fixture.Ui,
                                                          InstallationTemplates());
    const QString sProject = fixture.Path(QStringLiteral("site/welcome.zrj"));
    fixture.Ui.Answers = {true};
    fixture.Ui.OnSaveAs = [&] { return fixture.Project.SaveAs(sProject); };
    ASSERT_TRUE(fixture.Compile()) << fixture.Ui.Errors.join(u'\n').toStdString();
    EXPECT_TRUE(fixture.Ui.Errors.isEmpty());
    for (const QString& sFile : fixture.Pipeline->UpLoadIncludeList) {
        EXPECT_TRUE(QFileInfo::exists(sFile)) << sFile.toStdString();
    }
    // The popups bring their close and resize pictures along.
    EXPECT_TRUE(fixture.Pipeline->UpLoadIncludeList.contains(fixture.Path(QStringLiteral("site/close.gif"))));
    EXPECT_TRUE(QFileInfo::exists(fixture.Path(QStringLiteral("site/welcome_Preview.html"))));
}

QStringList TemplateNames() {
    return QDir(InstallationTemplates()).entryList({QStringLiteral("*.zrj")});
}

std::string TemplateTestName(const ::testing::TestParamInfo<QString>& info) {
    return QFileInfo(info.param).completeBaseName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Installation, Templates, ::testing::ValuesIn(TemplateNames()), TemplateTestName);

TEST(TemplatesFolder, HoldsTheStartUpTemplateAndAValidMaskTemplate) {
    const QStringList names = TemplateNames();
    EXPECT_TRUE(names.contains(QStringLiteral("Default.zrj")));
    EXPECT_GE(names.size(), 8);
    TZEPProject project;
    TZEPInstance mask(&project);
    TProfileFile file;
    const QString sMask = InstallationTemplates() + QStringLiteral("Modal1.zrx");
    ASSERT_TRUE(file.Open(sMask));
    ASSERT_TRUE(mask.LoadFromIniFile(file, sMask)) << mask.GetLastError().toStdString();
    EXPECT_EQ(mask.sUniqueID, QStringLiteral("zepMask"));
    const QString sHtml = mask.HTMLFile.join(QString());
    EXPECT_TRUE(sHtml.contains(QStringLiteral("href=\"ZEPMask.css\"")));
    EXPECT_TRUE(sHtml.contains(QStringLiteral("id=\"ZEPMask\"")));
    for (const char* sPicture : {"close.gif", "resize.gif"}) {
        QFile picture(InstallationTemplates() + QLatin1String(sPicture));
        ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
        EXPECT_TRUE(picture.readAll().startsWith("GIF89a"));
    }
}

} // namespace
