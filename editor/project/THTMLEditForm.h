#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// "Content String": edits one content string of a sequential layer. The memo
// swallows the Enter key, so the text stays on one line unless pasted.
class THTMLEditForm : public QDialog {
    Q_OBJECT
public:
    explicit THTMLEditForm(QWidget* parent = nullptr);

    QPlainTextEdit* HTMLEditMemo = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
