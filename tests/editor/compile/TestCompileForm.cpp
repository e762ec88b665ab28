#include "CompileUi.h"
#include "TCompileForm.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

TCompileResults SampleResults() {
    TCompileResults results;
    results.ScriptBody = {QStringLiteral("<!-- start -->"), QStringLiteral("<script src=\"promo.js\"></script>")};
    results.IncludeFiles = {QStringLiteral("/site/promo_zeplib.js"), QStringLiteral("/site/promo.js")};
    results.OnMouseSyntax = {QStringLiteral("<a href=\"#\" onclick=\"promo.show()\">Show</a>")};
    results.AnchorSyntax = {QStringLiteral("<div id=\"promo_anchor\"></div>")};
    results.bShowFormBox = false;
    return results;
}

TEST(CompileFormTest, EachMemoIsNamedByItsLabelAndFilledOneEntryPerLine) {
    TCompileForm form;
    form.Fill(SampleResults());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Compile"));
    struct TMemo {
        QPlainTextEdit* Memo;
        const char* sCaption;
        QString sText;
        bool bReadOnly;
    };
    const TMemo memos[] = {
        {form.ScriptBodyMemo, "Place these scripts in the body of the webpage, just after the <body> tag:",
         QStringLiteral("<!-- start -->\n<script src=\"promo.js\"></script>"), true},
        {form.IncludeFilesMemo,
         "Place these files on the server in the same directory as the web page (default location):",
         QStringLiteral("/site/promo_zeplib.js\n/site/promo.js"), true},
        {form.OnMouseSyntaxMemo,
         "Mouse code if  selected:", QStringLiteral("<a href=\"#\" onclick=\"promo.show()\">Show</a>"), false},
        {form.AnchorSyntaxMemo, "Anchoring code if selected:", QStringLiteral("<div id=\"promo_anchor\"></div>"), true},
    };
    for (const TMemo& m : memos) {
        SCOPED_TRACE(m.sCaption);
        EXPECT_EQ(m.Memo->toPlainText(), m.sText);
        EXPECT_EQ(m.Memo->isReadOnly(), m.bReadOnly);
        EXPECT_EQ(QAccessible::queryAccessibleInterface(m.Memo)->text(QAccessible::Name),
                  QString::fromUtf8(m.sCaption));
        bool bHasBuddyLabel = false;
        for (const QLabel* label : form.findChildren<QLabel*>())
            bHasBuddyLabel |= label->buddy() == m.Memo && label->text() == QString::fromUtf8(m.sCaption);
        EXPECT_TRUE(bHasBuddyLabel);
    }
    EXPECT_EQ(form.IncludeFilesMemo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(form.ShowFormBox->text(), QStringLiteral("Show this form every time (reset in options)"));
    EXPECT_FALSE(form.ShowFormBox->isChecked());
}

TEST(CompileFormTest, CopyButtonsPutTheirMemoOnTheClipboard) {
    TCompileForm form;
    form.Fill(SampleResults());
    form.show();
    const std::pair<QPushButton*, QString> buttons[] = {
        {form.CopyScriptToClipboardBtn, QStringLiteral("<!-- start -->\n<script src=\"promo.js\"></script>")},
        {form.CopySyntaxToClipboardBtn, QStringLiteral("<a href=\"#\" onclick=\"promo.show()\">Show</a>")},
        {form.Button1, QStringLiteral("<div id=\"promo_anchor\"></div>")},
    };
    for (const auto& [button, sText] : buttons) {
        QApplication::clipboard()->clear();
        EXPECT_EQ(button->text(), QStringLiteral("Copy to clipboard"));
        EXPECT_TRUE(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(QApplication::clipboard()->text(), sText);
    }
}

TEST(CompileFormTest, TheCheckBoxAsLeftIsAnsweredWhenTheDialogCloses) {
    TCompileForm form;
    form.Fill(SampleResults());
    form.show();
    QTest::mouseClick(form.ShowFormBox, Qt::LeftButton);
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.ShowFormEveryTime());
}

} // namespace
