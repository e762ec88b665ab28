#pragma once

#include <QWidget>

class QPlainTextEdit;

// A page of the source page control in which the designer edits one of the
// project's editable files as plain text. The page's caption (its tab text)
// is the file's name without directory.
class TAuxFilePage : public QWidget {
    Q_OBJECT
public:
    explicit TAuxFilePage(const QString& sFileName, QWidget* parent = nullptr);

    QString FileName() const { return sFileName; }
    QString Text() const;

    // Replaces the text from the file without raising a change notification.
    bool LoadFrom(const QString& sPath);
    // Writes the text, each line ending with CR LF.
    bool SaveTo(const QString& sPath) const;

    QPlainTextEdit* FileMemo = nullptr;
    bool bEdited = false; // the text changed since it was loaded or saved

signals:
    // The designer changed the text.
    void TextEdited(TAuxFilePage* page);

private:
    QString sFileName;
};
