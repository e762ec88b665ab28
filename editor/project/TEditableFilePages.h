#pragma once

#include "EditableFileBackup.h"

#include <QMap>
#include <QObject>
#include <QString>

class QTabWidget;
class TAuxFilePage;
class TZEPProject;

// The editable file pages of the source page control: opening, reloading,
// saving and closing them, and their unsaved texts for the preview.
// The file behind a page is always the project directory followed by the
// page's caption. Pages are found by file name without directory, in any
// letter case; the HTML page is never one of them.
class TEditableFilePages : public QObject {
    Q_OBJECT
public:
    TEditableFilePages(QTabWidget& SourcePages, const TZEPProject& project, TLogLine log);

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

    // The text of every edited page by its file name.
    QMap<QString, QString> UnsavedTexts() const;

    // The file name a write failed on, for the caller's message.
    QString GetLastError() const { return sLastError; }

signals:
    // A page's text was changed by the designer: the project is edited.
    void Changed();

private:
    QString FilePath(const TAuxFilePage& page) const;
    QList<TAuxFilePage*> Pages() const;
    void LoadPage(TAuxFilePage& page, const QString& sFileName);
    void PageEdited(TAuxFilePage* page);

    QTabWidget& SourcePages;
    const TZEPProject& Project;
    TLogLine Log;
    QString sLastError;
};
