#include "ProjectTestFiles.h"
#include "ScriptedFileListHost.h"
#include "TFileListForm.h"
#include "TPanelDD.h"
#include "TZEPInstance.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QGroupBox>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

class FileListFormTest : public ::testing::Test {
protected:
    FileListFormTest() {
        QDir(Dir.path()).mkpath(QStringLiteral("project"));
        Instance.sUniqueID = QStringLiteral(" promo ");
    }
    QString ProjectDir() const { return Dir.filePath(QStringLiteral("project/")); }
    QString WriteFile(const QString& sName) const {
        const QString sPath = Dir.filePath(sName);
        QFile file(sPath);
        file.open(QIODevice::WriteOnly);
        file.write("x");
        return sPath;
    }

    QTemporaryDir Dir;
    TScriptedFileListHost Host;
    TFileListForm Form{Host};
    QStringList EditableFiles;
    TZEPInstance Instance{nullptr};
};

TEST_F(FileListFormTest, CaptionNamesThePopupOnlyInAProjectOfSeveral) {
    Form.Prepare(EditableFiles, &Instance, 2, ProjectDir());
    EXPECT_EQ(Form.windowTitle(), QStringLiteral("Add Files to or Remove Files from : promo"));
    Form.Prepare(EditableFiles, &Instance, 1, ProjectDir());
    EXPECT_EQ(Form.windowTitle(), QStringLiteral("Add Files to or Remove Files from Project"));
    Form.Prepare(EditableFiles, nullptr, 2, ProjectDir());
    EXPECT_EQ(Form.windowTitle(), QStringLiteral("Add Files to or Remove Files from Project"));

    const QList<QGroupBox*> groups = Form.findChildren<QGroupBox*>();
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups[0]->title(), QStringLiteral(" Editable Files "));
    EXPECT_EQ(groups[1]->title(), QStringLiteral(" Binary && Graphic Files "));
}

TEST_F(FileListFormTest, ListsShowTheProjectsFilesAndRemoveIsEnabledBySelection) {
    EditableFiles = {QStringLiteral("styles.css")};
    Instance.BinaryGraphicFiles = {QStringLiteral("img/logo.gif"), QStringLiteral("b.png")};
    Form.Prepare(EditableFiles, &Instance, 1, ProjectDir());
    EXPECT_EQ(Items(Form.EditableFileList), QStringList{QStringLiteral("styles.css")});
    EXPECT_EQ(Items(Form.BinaryGraphicFileList),
              (QStringList{QStringLiteral("img/logo.gif"), QStringLiteral("b.png")}));
    EXPECT_FALSE(Form.RemoveEditableFileBtn->isEnabled());
    EXPECT_FALSE(Form.RemoveBinaryGraphicFileBtn->isEnabled());

    Form.show();
    const QRect firstRow = Form.BinaryGraphicFileList->visualItemRect(Form.BinaryGraphicFileList->item(0));
    QTest::mouseClick(Form.BinaryGraphicFileList->viewport(), Qt::LeftButton, {}, firstRow.center());
    EXPECT_TRUE(Form.RemoveBinaryGraphicFileBtn->isEnabled());
    EXPECT_FALSE(Form.RemoveEditableFileBtn->isEnabled());
    QTest::mouseClick(Form.RemoveBinaryGraphicFileBtn, Qt::LeftButton);
    EXPECT_EQ(Items(Form.BinaryGraphicFileList), QStringList{QStringLiteral("b.png")});
    EXPECT_FALSE(Form.RemoveBinaryGraphicFileBtn->isEnabled());
    Form.reject();
    EXPECT_EQ(Instance.BinaryGraphicFiles.size(), 2) << "Cancel changes nothing";
}

TEST_F(FileListFormTest, DroppingThreeFilesAddsOnlyTheFirst) {
    Form.Prepare(EditableFiles, &Instance, 1, ProjectDir());
    QSignalSpy dropped(Form.DropBinaryGraphicFilePanel, &TPanelDD::FileDrop);
    const QStringList files = {WriteFile(QStringLiteral("one.gif")), WriteFile(QStringLiteral("two.gif")),
                               WriteFile(QStringLiteral("three.gif"))};
    ASSERT_TRUE(DropFiles(Form.DropBinaryGraphicFilePanel, files));
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped[0][1].toStringList(), files) << "one list per drop, in the drag's order";
    EXPECT_EQ(Items(Form.BinaryGraphicFileList), QStringList{QStringLiteral("one.gif")});

    Form.accept();
    EXPECT_EQ(Instance.BinaryGraphicFiles, QStringList{QStringLiteral("one.gif")});
    EXPECT_TRUE(QFile::exists(ProjectDir() + QStringLiteral("one.gif")));
    EXPECT_FALSE(QFile::exists(ProjectDir() + QStringLiteral("two.gif")));
}

TEST_F(FileListFormTest, APanelTakesOnlyLocalFilesAndOnlyWhileItAcceptsFiles) {
    TPanelDD panel;
    QSignalSpy dropped(&panel, &TPanelDD::FileDrop);
    EXPECT_FALSE(DropFiles(&panel, {WriteFile(QStringLiteral("a.gif"))}));
    panel.SetAcceptFiles(true);
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/a.gif"))});
    QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&panel, &enter);
    EXPECT_FALSE(enter.isAccepted());
    EXPECT_EQ(dropped.count(), 0);
}

TEST_F(FileListFormTest, AddButtonsOpenTheirChooserInTheProjectDirectoryAndOkAppliesTheLists) {
    Form.Prepare(EditableFiles, &Instance, 1, ProjectDir());
    Host.NextFile(WriteFile(QStringLiteral("site.css")));
    QTest::mouseClick(Form.AddEditableFileBtn, Qt::LeftButton);
    QTest::mouseClick(Form.AddBinaryGraphicFileBtn, Qt::LeftButton); // chooser cancelled
    EXPECT_EQ(Host.Choosers,
              (QStringList{QStringLiteral("Choose Editable File to Add to Project in ") + ProjectDir(),
                           QStringLiteral("Choose Binary or Graphic File to Add to Project in ") + ProjectDir()}));
    EXPECT_EQ(Items(Form.EditableFileList), QStringList{QStringLiteral("site.css")});
    EXPECT_TRUE(Items(Form.BinaryGraphicFileList).isEmpty());

    QTest::mouseClick(Form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(Form.result(), QDialog::Accepted);
    EXPECT_EQ(EditableFiles, QStringList{QStringLiteral("site.css")});
    EXPECT_EQ(Host.Calls, QStringList{QStringLiteral("add site.css")});
    EXPECT_EQ(Form.EditableFileList->count(), 0);
}

} // namespace
