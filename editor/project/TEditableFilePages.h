#pragma once

#include "EditableFileBackup.h"

#include <QObject>
#include <QString>

class QTabWidget;
class TAuxFilePage;
class TEditorDocument;
class TZEPProject;

// The editable file pages of the source page control: opening, reloading,
// saving and closing them, and their unsaved texts for the preview. A page's
// unsaved text lives in the document: each edit is a step of its history, and
// its undos and redos show in the page.
// The file behind a page is always the project directory followed by the
// page's caption. Pages are found by file name without directory, in any
// letter case; the HTML page is never one of them.
class TEditableFilePages : public QObject {
    Q_OBJECT
public:
    TEditableFilePages(QTabWidget& SourcePages, TEditorDocument& document, TLogLine log);

    // The first page for the file, or nullptr.
    TAuxFilePage* FindPage(const QString& sFileName) const;

    // Opens a page for the file and loads it from the project directory.
    void AddEditableFilePage(const QString& sFileName);
    // Reloads the page from its file; the page is unchanged afterwards.
    void LoadEditableFile(const QString& sFileName);
    // Writes an edited (or, with bForceSave, any) page to its file; a
    // template's files are never written. False when the write failed.
    bool SaveEditableFile(const QString& sFileName, bool bForceSave);
    // Closes the page; the file stays on disk.
    void RemoveEditableFile(const QString& sFileName);
    // Closes every page but the HTML page.
    void RemoveAllEditableFilePages();

    // The file name a write failed on, for the caller's message.
    QString GetLastError() const { return sLastError; }

signals:
    // A page's text was changed by the designer: the project is edited.
    void Changed();
    // An undo or redo replaced a page's text: the preview should show it.
    void TextReplaced();

private:
    QString FilePath(const TAuxFilePage& page) const;
    QList<TAuxFilePage*> Pages() const;
    void LoadPage(TAuxFilePage& page, const QString& sFileName);
    void PageEdited(TAuxFilePage* page);
    void ShowDocumentText(const QString& sFile, const QString& sText);

    QTabWidget& SourcePages;
    TEditorDocument& Document;
    const TZEPProject& Project;
    bool bPushing = false; // a page's edit is being pushed to the document
    TLogLine Log;
    QString sLastError;
};
