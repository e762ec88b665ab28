#include "TContentEditor.h"

#include "EditorControls.h"
#include "THelpPicture.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TContentEditor::TContentEditor(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ContentEditor"));
    HTMLMemo = new QPlainTextEdit(this);
    HTMLMemo->setObjectName(QStringLiteral("HTMLMemo"));
    HTMLMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    HTMLMemo->setTabChangesFocus(true);
    HTMLMemo->setMinimumWidth(160);
    SetHint(HTMLMemo, QStringLiteral("The HTML editor for the popup content"));
    HTMLHelp = new THelpPicture(QStringLiteral("HTML"), QStringLiteral("Help on HTML"), this);
    QLabel* caption = NewLabel(this, "Popup &Content HTML Editor", HTMLMemo);

    auto* head = new QHBoxLayout;
    head->addWidget(caption);
    head->addStretch();
    head->addWidget(HTMLHelp);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(head);
    layout->addWidget(HTMLMemo, 1);
}

QStringList TContentEditor::Lines() const {
    const QString sText = HTMLMemo->toPlainText();
    return sText.isEmpty() ? QStringList() : sText.split(u'\n');
}

void TContentEditor::SetLines(const QStringList& lines) {
    HTMLMemo->setPlainText(lines.join(u'\n'));
}
