// The preview reads the project folder and never writes into it, also while a
// file tab holds text that is not saved.
#include "FolderWatch.h"
#include "MainFormTestSupport.h"
#include "PreviewScripts.h"
#include "ProjectTestFiles.h"
#include "TAuxFilePage.h"
#include "TEditableFilePages.h"
#include "TMainActions.h"
#include "TPreviewGenerator.h"
#include "TPreviewPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

QString FetchFromPage(TPreviewBrowser& browser, const QString& sFile) {
    return RunScript(browser, QStringLiteral("(function(){var r=new XMLHttpRequest();r.open('GET','%1',false);"
                                             "r.send();return r.status+' '+r.responseText;})()")
                                  .arg(sFile));
}

TEST(PreviewFolderTest, TwentyPreviewsWithUnsavedTextLeaveTheProjectFolderAsItWas) {
    TMainFormEnvironment env;
    const QString sFolder = env.Path(QStringLiteral("site"));
    ASSERT_TRUE(QDir().mkpath(sFolder));
    WriteProjectFiles(sFolder + QStringLiteral("/promo.zrj"), false, {QStringLiteral("logo.gif")},
                      {QStringLiteral("styles.css")});
    const QStringList before = FolderListing(sFolder);
    TFolderWatch watch(sFolder);
    ASSERT_TRUE(watch.IsWatching());

    std::unique_ptr<TMainForm> form = env.CreateMainForm({sFolder + QStringLiteral("/promo.zrj")});
    ASSERT_TRUE(form);
    auto* generator = form->findChild<TPreviewGenerator*>(QStringLiteral("PreviewGenerator"));
    TPreviewBrowser& browser = form->findChild<TPreviewPanel*>(QStringLiteral("PreviewPanel"))->Browser();
    QSignalSpy rendered(generator, &TPreviewGenerator::Rendered);
    form->show();
    ASSERT_TRUE(rendered.wait(30000));
    auto* scrollbars = FindByAccessibleName<QCheckBox>(*form, QStringLiteral("Scrollbars"));
    ASSERT_NE(scrollbars, nullptr);
    QPlainTextEdit* styles = form->EditableFilePages().FindPage(QStringLiteral("styles.css"))->FileMemo;
    for (int i = 0; i < 20; ++i) {
        rendered.clear();
        if (i % 2 == 0) {
            QTest::keyClicks(styles, QStringLiteral("x"));
            form->Actions().RefreshMenu->trigger();
        } else {
            scrollbars->click();
        }
        ASSERT_TRUE(rendered.wait(30000)) << "change " << i;
        ASSERT_TRUE(rendered.first().first().toBool()) << "change " << i;
    }
    EXPECT_EQ(FetchFromPage(browser, QStringLiteral("styles.css")), QStringLiteral("200 xxxxxxxxxxstyles.css\r\n"));
    EXPECT_EQ(FetchFromPage(browser, QStringLiteral("logo.gif")), QStringLiteral("200 logo.gif\r\n"));
    form.reset();

    EXPECT_EQ(watch.Changes(), QStringList());
    EXPECT_EQ(FolderListing(sFolder), before);
}

} // namespace
