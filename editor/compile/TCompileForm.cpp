#include "TCompileForm.h"

#include "CompileUi.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void CopyToClipboard(QPlainTextEdit* memo) {
    memo->selectAll();
    QApplication::clipboard()->setText(memo->toPlainText());
}

} // namespace

TCompileForm::TCompileForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CompileForm"));
    setWindowTitle(QStringLiteral("Compile"));
    new QVBoxLayout(this);
    ScriptBodyMemo =
        AddMemo(QStringLiteral("Place these scripts in the body of the webpage, just after the <body> tag:"),
                "ScriptBodyMemo", true, &CopyScriptToClipboardBtn);
    IncludeFilesMemo = AddMemo(
        QStringLiteral("Place these files on the server in the same directory as the web page (default location):"),
        "IncludeFilesMemo", true, nullptr);
    IncludeFilesMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    OnMouseSyntaxMemo =
        AddMemo(QStringLiteral("Mouse code if  selected:"), "OnMouseSyntaxMemo", false, &CopySyntaxToClipboardBtn);
    AnchorSyntaxMemo = AddMemo(QStringLiteral("Anchoring code if selected:"), "AnchorSyntaxMemo", true, &Button1);
    CopyScriptToClipboardBtn->setObjectName(QStringLiteral("CopyScriptToClipboardBtn"));
    CopySyntaxToClipboardBtn->setObjectName(QStringLiteral("CopySyntaxToClipboardBtn"));
    Button1->setObjectName(QStringLiteral("Button1"));

    ShowFormBox = new QCheckBox(QStringLiteral("Show this form every time (reset in options)"), this);
    ShowFormBox->setObjectName(QStringLiteral("ShowFormBox"));
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("OKBtn"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(ShowFormBox);
    bottom->addStretch();
    bottom->addWidget(okButton);
    static_cast<QVBoxLayout*>(layout())->addLayout(bottom);
    resize(640, 520);
}

QPlainTextEdit* TCompileForm::AddMemo(const QString& sCaption, const char* sName, bool bReadOnly,
                                      QPushButton** copyButton) {
    auto* caption = new QLabel(sCaption, this);
    caption->setTextFormat(Qt::PlainText);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QString::fromLatin1(sName));
    memo->setReadOnly(bReadOnly);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    caption->setBuddy(memo);
    memo->setAccessibleName(sCaption);
    auto* row = new QHBoxLayout;
    row->addWidget(memo, 1);
    if (copyButton != nullptr) {
        *copyButton = new QPushButton(QStringLiteral("Copy to clipboard"), this);
        // The three copy buttons share their caption; the description tells them apart.
        (*copyButton)->setAccessibleDescription(sCaption);
        connect(*copyButton, &QPushButton::clicked, memo, [memo] { CopyToClipboard(memo); });
        row->addWidget(*copyButton, 0, Qt::AlignTop);
    }
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->addWidget(caption);
    column->addLayout(row);
    return memo;
}

void TCompileForm::Fill(const TCompileResults& results) {
    ShowFormBox->setChecked(results.bShowFormBox);
    ScriptBodyMemo->setPlainText(results.ScriptBody.join(u'\n'));
    IncludeFilesMemo->setPlainText(results.IncludeFiles.join(u'\n'));
    OnMouseSyntaxMemo->setPlainText(results.OnMouseSyntax.join(u'\n'));
    AnchorSyntaxMemo->setPlainText(results.AnchorSyntax.join(u'\n'));
}

bool TCompileForm::ShowFormEveryTime() const {
    return ShowFormBox->isChecked();
}
