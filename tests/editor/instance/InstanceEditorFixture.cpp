#include "InstanceEditorFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <QtTest/QTest>

void InstanceEditorTest::SetUp() {
    Window = std::make_unique<QWidget>();
    Tabs = new QTabBar(Window.get());
    Editor = new TInstanceEditor(bUpdating, Services, Window.get());
    auto* layout = new QVBoxLayout(Window.get());
    layout->addWidget(Tabs);
    layout->addWidget(Editor);
    Window->resize(900, 1000);
    Window->show();
    QApplication::setActiveWindow(Window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
}

void InstanceEditorTest::TearDown() {
    Window.reset();
}

void InstanceEditorTest::Open(const QString& sTemplate) {
    Use(LoadTemplate(sTemplate));
}

void InstanceEditorTest::Use(std::unique_ptr<TZEPProject> project) {
    Document.Project().CopyContentsFrom(*project);
    Document.Project().sFullProjectName = project->sFullProjectName;
    Document.StartHistory();
    Editor->SetDocument(&Document, Tabs);
    ShowTabs();
}

void InstanceEditorTest::ShowTabs() {
    while (Tabs->count() > 0)
        Tabs->removeTab(0);
    for (const auto& entry : Document.Project().InstanceList)
        Tabs->addTab(entry.sCaption);
}

void InstanceEditorTest::TypeInto(QWidget* field, const QString& sText) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    if (sText.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    else
        QTest::keyClicks(field, sText);
}

void InstanceEditorTest::Leave(QWidget* field) {
    field->setFocus(Qt::TabFocusReason);
    Window->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

void InstanceEditorTest::Paste(QWidget* field, const QString& sText) {
    QApplication::clipboard()->setText(sText);
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->selectAll();
        edit->paste();
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        memo->selectAll();
        memo->paste();
    }
}
