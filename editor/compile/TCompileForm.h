#pragma once

#include <QDialog>

struct TCompileResults;
class QCheckBox;
class QPlainTextEdit;
class QPushButton;

// "Compile": what a compile tells the designer. The script includes to paste
// after the <body> tag, the files to put on the server, the mouse and the
// anchoring code, each with a button that copies it to the clipboard, and
// whether the dialog shows after every compile.
class TCompileForm : public QDialog {
    Q_OBJECT
public:
    explicit TCompileForm(QWidget* parent = nullptr);

    // Fills the memos and the check box from the results.
    void Fill(const TCompileResults& results);
    // The check box as it stands (read when the dialog closes).
    bool ShowFormEveryTime() const;

    QPlainTextEdit* ScriptBodyMemo = nullptr;
    QPlainTextEdit* IncludeFilesMemo = nullptr;
    QPlainTextEdit* OnMouseSyntaxMemo = nullptr;
    QPlainTextEdit* AnchorSyntaxMemo = nullptr;
    QPushButton* CopyScriptToClipboardBtn = nullptr;
    QPushButton* CopySyntaxToClipboardBtn = nullptr;
    QPushButton* Button1 = nullptr; // copies the anchoring code
    QCheckBox* ShowFormBox = nullptr;

private:
    QPlainTextEdit* AddMemo(const QString& sCaption, const char* sName, bool bReadOnly, QPushButton** copyButton);
};
