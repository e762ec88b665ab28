#include "ProjectTestSupport.h"
#include "THTMLEditForm.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

TEST(HTMLEditForm, EnterInsertsNothingAndDoesNotCloseButPastedBreaksStay) {
    THTMLEditForm form;
    EXPECT_EQ(form.windowTitle(), "Content String");
    form.show();
    form.HTMLEditMemo->setFocus();
    QTest::keyClicks(form.HTMLEditMemo, "<b>a</b>");
    QTest::keyClick(form.HTMLEditMemo, Qt::Key_Return);
    QTest::keyClick(form.HTMLEditMemo, Qt::Key_Enter);
    QTest::keyClick(form.HTMLEditMemo, Qt::Key_J, Qt::ControlModifier);
    QTest::keyClicks(form.HTMLEditMemo, "c");
    EXPECT_EQ(form.HTMLEditMemo->toPlainText(), "<b>a</b>c");
    EXPECT_TRUE(form.isVisible()) << "Enter does not press OK";

    QApplication::clipboard()->setText("x\r\ny");
    form.HTMLEditMemo->paste();
    EXPECT_EQ(form.HTMLEditMemo->toPlainText(), "<b>a</b>cx\ny") << "the dialog that opened it flattens the text";
    EXPECT_EQ(form.OKBtn->text(), "OK");
    EXPECT_EQ(form.CancelBtn->text(), "Cancel");
}
