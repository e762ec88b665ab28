#include "THTMLEditForm.h"

#include "TDialogControls.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Return, keypad Enter, and any key that types a carriage return or line feed.
bool IsLineBreakKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.text() == QStringLiteral("\r") ||
           key.text() == QStringLiteral("\n");
}

} // namespace

THTMLEditForm::THTMLEditForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("HTMLEditForm"));
    setWindowTitle(QStringLiteral("Content String"));
    setModal(true);
    HTMLEditMemo = new QPlainTextEdit(this);
    HTMLEditMemo->setObjectName(QStringLiteral("HTMLEditMemo"));
    HTMLEditMemo->setAccessibleName(QStringLiteral("Content String"));
    HTMLEditMemo->installEventFilter(this);
    OKBtn = NewButton("OKBtn", QStringLiteral("OK"), this);
    CancelBtn = NewButton("CancelBtn", QStringLiteral("Cancel"), this);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(HTMLEditMemo, 1);
    layout->addLayout(buttons);
    resize(560, 240);
}

bool THTMLEditForm::eventFilter(QObject* watched, QEvent* event) {
    // The memo swallows line breaks; the key does not reach the dialog either,
    // so Enter does not close it.
    if (watched == HTMLEditMemo && event->type() == QEvent::KeyPress && IsLineBreakKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}
