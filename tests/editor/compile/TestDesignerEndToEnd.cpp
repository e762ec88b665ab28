#include "MainFormTestSupport.h"
#include "ProjectTestFiles.h"
#include "TBrowserPage.h"
#include "TCompileForm.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// The installation's own templates, as a designer's machine has them.
void InstallTemplates(const QString& sFolder) {
    const QDir source(QStringLiteral(BRISOLA_SOURCE_DIR "/templates"));
    for (const QString& sName : source.entryList(QDir::Files)) {
        QFile::remove(sFolder + sName);
        QFile::copy(source.filePath(sName), sFolder + sName);
    }
}

// A designer's whole job in the real window: a new project from the click
// popup template, its title and border colour changed in the controls, saved
// as a project, compiled, and the compiled page opened in a browser, where a
// click on the link shows the popup as edited.
TEST(DesignerEndToEndTest, FromTheClickPopupTemplateToTheEditedPopupOnTheCompiledPage) {
    TMainFormEnvironment env;
    InstallTemplates(env.Path(QStringLiteral("install/Templates/")));
    std::unique_ptr<TMainForm> form = env.CreateMainForm();
    ASSERT_TRUE(form);
    QSignalSpy shown(form.get(), &TMainForm::FirstDisplayCompleted);
    form->show();
    ASSERT_TRUE(shown.wait(30000));

    env.Services.ExpectFileDialog(QStringLiteral("New Project"),
                                  env.TemplateFolder() + QStringLiteral("ClickPopup.zrj"));
    form->Actions().NewProjectMenu->trigger();
    ASSERT_EQ(form->windowTitle(), QStringLiteral("Brisola - V4.0 - ClickPopup"));

    QGroupBox& reference = *FindByAccessibleName<QGroupBox>(*form, QStringLiteral("Reference"));
    ASSERT_TRUE(FindByAccessibleName<QCheckBox>(reference, QStringLiteral("Title:"))->isChecked());
    TypeOver(FindByAccessibleName<QLineEdit>(reference, QStringLiteral("Title:")), QStringLiteral("Autumn sale"));
    QGroupBox& appearance = *FindByAccessibleName<QGroupBox>(*form, QStringLiteral("Appearance"));
    TypeOver(FindByAccessibleName<QLineEdit>(appearance, QStringLiteral("Border colour")), QStringLiteral("FF0000"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Brisola - V4.0 - ClickPopup (unsaved)"));

    QTemporaryDir site;
    const QString sProject = site.filePath(QStringLiteral("sale.zrj"));
    env.Services.ExpectFileDialog(QStringLiteral("Save project Template as project file..."), sProject);
    form->Actions().SaveProjectAsMenu->trigger();
    ASSERT_EQ(form->windowTitle(), QStringLiteral("Brisola - V4.0 - sale"));

    env.Services.ExpectDialog(QStringLiteral("CompileForm"), [](QDialog& dialog) {
        auto& results = static_cast<TCompileForm&>(dialog);
        EXPECT_TRUE(results.ScriptBodyMemo->toPlainText().contains(QStringLiteral("sale.js")));
        QTest::mouseClick(results.findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
    });
    form->Actions().CompileMenu->trigger();
    ASSERT_EQ(form->StatusText(), QStringLiteral("Compilation complete"));

    TBrowserPage page;
    ASSERT_TRUE(page.LoadFile(site.filePath(QStringLiteral("sale_Preview.html"))));
    const QString sBox = QStringLiteral("document.getElementById('clickpopup_zepB')");
    EXPECT_NE(page.Run(QStringLiteral("getComputedStyle(%1).visibility").arg(sBox)).toString(),
              QStringLiteral("visible"));
    ASSERT_TRUE(page.Run(QStringLiteral("(function(){var a=document.querySelector('a[onclick]');"
                                        "if(!a)return false;a.click();return true;})()"))
                    .toBool());
    page.Advance(3000);
    EXPECT_EQ(page.Run(QStringLiteral("getComputedStyle(%1).visibility").arg(sBox)).toString(),
              QStringLiteral("visible"));
    EXPECT_EQ(page.Run(QStringLiteral("document.getElementById('clickpopup_zepTitle').textContent")).toString(),
              QStringLiteral("Autumn sale"));
    EXPECT_EQ(page.Run(QStringLiteral("getComputedStyle(%1).backgroundColor").arg(sBox)).toString(),
              QStringLiteral("rgb(255, 0, 0)"));
    EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join(u'\n').toStdString();
}

} // namespace
