// Popups added and layers made in the dialogs, saved, compiled with
// brisola-compile and run in the browser engine.

#include "ProjectFiles.h"
#include "ProjectTestSupport.h"
#include "TAppSettings.h"
#include "TBrowserPage.h"
#include "TEditorDocument.h"
#include "TFormatGrid.h"
#include "THTMLEditForm.h"
#include "TLog.h"
#include "TMultiPopupModeForm.h"
#include "TMultiSequentialForm.h"
#include "TPopupCommands.h"
#include "TProfileFile.h"
#include "TProjectDocument.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// The window around the commands: its folders and its log.
class TTestWindow : public IPopupWindow {
public:
    explicit TTestWindow(QString sBase) : sBase(std::move(sBase)) {}
    TLog& Log() override { return WindowLog; }
    QString BaseLocation() const override { return sBase + "projects/"; }
    QString BaseTemplatePath() const override { return sBase + "base/"; }

private:
    QString sBase;
    TLog WindowLog;
};

// A project site/main.zrj with the popup first, its tabs and the commands over them.
class CompiledPopups : public ::testing::Test {
protected:
    void SetUp() override {
        Project.sFullProjectName = Path("site/main.zrj");
        Project.sLoadedProjectPath = ProjectDirectory(Project.sFullProjectName);
        Project.bDynamicContent = 1;
        Project.bIncludeDynamicFunctions = 1;
        QDir().mkpath(Path("site"));
        Project.InstanceList.Add(NewPopup(Project, "first"));
        Tabs.Refill();
    }
    QString Path(const QString& sRelative) const { return Dir.filePath(sRelative); }
    // Saves the project, compiles it and loads its preview page.
    void SaveCompileAndLoad() {
        TProfileFile file(Project.sFullProjectName);
        ASSERT_TRUE(Project.SaveToIniFile(file) && file.UpdateFile()) << Project.GetLastError().toStdString();
        QProcess compile;
        compile.start(QStringLiteral(BRISOLA_COMPILE_PROGRAM), {Project.sFullProjectName});
        ASSERT_TRUE(compile.waitForFinished(60000));
        ASSERT_EQ(compile.exitCode(), 0) << compile.readAllStandardError().toStdString();
        ASSERT_TRUE(Page.LoadFile(Path("site/main_Preview.html")));
    }
    QVariantMap Box(const QString& sUid) {
        return Page
            .Run("(function(){var b=document.getElementById('" + sUid + "_zepB'),c=document.getElementById('" + sUid +
                 "_zepC');return {vis:getComputedStyle(b).visibility,left:parseInt(b.style.left,10),"
                 "top:parseInt(b.style.top,10),width:parseInt(b.style.width,10),height:parseInt(b.style.height,10),"
                 "html:c?c.innerHTML:''};})()")
            .toMap();
    }

    QTemporaryDir Dir;
    TScriptedServices Services{Dir.filePath("store.ini")};
    TTestWindow Window{Dir.path() + "/"};
    TEditorDocument Document;
    TZEPProject& Project = Document.Project();
    TAppSettings Settings;
    QTabBar TabBar;
    TPopupCommands Commands{Services, Window, Document, TabBar, Settings, nullptr};
    TInstanceTabs& Tabs = Commands.Tabs();
    TBrowserPage Page;
};

TEST_F(CompiledPopups, AnAddedPopupShowsOnThePageTogetherWithTheFirst) {
    const QString sAdded = Path("templates/second.zrj");
    ASSERT_TRUE(WriteSinglePopupProject(sAdded, "second", [](TZEPInstance& o) {
        o.iLeft = 400;
        o.HTMLFile = {"<p>The second popup</p>"};
    }));
    Settings.sUserTemplatePath = Path("templates/");
    Services.ExpectDialog("MultiPopupModeForm", [this, sAdded](QDialog&) {
        TMultiPopupModeForm& form = Commands.MultiPopupModeForm();
        form.EnableMultiplePopupBox->click();
        Services.ExpectFileDialog("Open", sAdded);
        form.AddBtn->click();
        form.OKBtn->click();
    });
    Commands.MultiPopupBtnClick();
    ASSERT_EQ(Project.bMultipleInstances, 1);

    SaveCompileAndLoad();
    Page.Advance(1500);
    const QVariantMap first = Box("first");
    const QVariantMap second = Box("second");
    EXPECT_EQ(first.value("vis").toString(), "visible");
    EXPECT_EQ(second.value("vis").toString(), "visible");
    EXPECT_TRUE(first.value("html").toString().contains("<p>first</p>"));
    EXPECT_TRUE(second.value("html").toString().contains("The second popup"));
    EXPECT_EQ(first.value("left").toInt(), 30);
    EXPECT_EQ(second.value("left").toInt(), 400);
    EXPECT_TRUE(Page.Errors().isEmpty()) << Page.Errors().join('\n').toStdString();
}

TEST_F(CompiledPopups, EveryLayerHasAWorkingLinkWithItsOwnContentSizeAndPlace) {
    TZEPInstance& popup = Project.InstanceList.Instance(0);
    popup.bOnClick = 1;
    popup.ContentStrings.Item(0).sAPISpecificLinkText = "Main";
    struct TLayer {
        QString sHTML;
        QString sWidth, sHeight, sLeft, sTop, sLink;
    };
    const TLayer layers[] = {{"\"<p>Layer one</p>\"", "220", "140", "50", "60", "Show one"},
                             {"\"<p>Layer two</p>\"", "360", "250", "300", "90", "Show two"}};
    Services.ExpectDialog("MultiSequentialForm", [this, &layers](QDialog&) {
        TMultiSequentialForm& form = Commands.MultiSequentialForm();
        form.EnableMultipleSequentialLayersBox->click();
        for (int i = 0; i < 2; ++i) {
            const TLayer& layer = layers[i];
            form.AddBtn->click();
            form.ContentTable->setCurrentCell(i + 1, 0);
            Services.ExpectDialog("HTMLEditForm", [&form, &layer](QDialog&) {
                form.HTMLEditForm->HTMLEditMemo->setPlainText(layer.sHTML);
                form.HTMLEditForm->OKBtn->click();
            });
            form.EditLayerHTML(i + 1);
            form.WidthEdit->setText(layer.sWidth);
            form.HeightEdit->setText(layer.sHeight);
            form.LeftEdit->setText(layer.sLeft);
            form.TopEdit->setText(layer.sTop);
            form.LinkTextEdit->setText(layer.sLink);
            form.SetBtn->click();
        }
        form.OKBtn->click();
    });
    Commands.APIBtnClick();
    ASSERT_EQ(Project.bMultipleSequentialLayers, 1);
    ASSERT_EQ(popup.ContentStrings.Count(), 3);

    SaveCompileAndLoad();
    EXPECT_EQ(Page.Run("document.querySelectorAll('a[onclick]').length").toInt(), 3) << "one link per layer";
    EXPECT_EQ(Box("first").value("vis").toString(), "hidden");
    for (const TLayer& layer : layers) {
        Page.Run("Array.from(document.querySelectorAll('a[onclick]')).find(function(a){return a.textContent=='" +
                 layer.sLink + "';}).click();");
        Page.Advance(500);
        const QVariantMap box = Box("first");
        EXPECT_EQ(box.value("vis").toString(), "visible") << layer.sLink.toStdString();
        EXPECT_TRUE(box.value("html").toString().contains(layer.sHTML.mid(1, layer.sHTML.size() - 2)))
            << box.value("html").toString().toStdString();
        EXPECT_EQ(box.value("width").toInt(), layer.sWidth.toInt());
        EXPECT_EQ(box.value("height").toInt(), layer.sHeight.toInt());
        EXPECT_EQ(box.value("left").toInt(), layer.sLeft.toInt());
        EXPECT_EQ(box.value("top").toInt(), layer.sTop.toInt());
    }
    Page.Run("Array.from(document.querySelectorAll('a[onclick]')).find(function(a){return a.textContent=='Main';})"
             ".click();");
    Page.Advance(500);
    EXPECT_TRUE(Box("first").value("html").toString().contains("<p>first</p>"))
        << "the main link shows the main content";
    EXPECT_EQ(Box("first").value("width").toInt(), 300);
    EXPECT_TRUE(Page.Errors().isEmpty()) << Page.Errors().join('\n').toStdString();
}

} // namespace
