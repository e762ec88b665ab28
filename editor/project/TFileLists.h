#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class IFileListHost;
class TZEPInstance;

// A file that the dialog added or replaced, taken when the dialog is confirmed.
struct TFileDetail {
    QString sFullFileName;           // the chosen file, or the file already in the project directory
    bool bOverwriteExisting = false; // copy it into the project directory, replacing a file of that name
};

// One entry of a dialog list: a file name relative to the project directory,
// with its pending addition when it was added or replaced.
struct TFileListEntry {
    QString sName;
    std::optional<TFileDetail> Detail;
};

enum class CFileList { flEditable, flBinaryGraphic };

// The two lists of the file lists dialog and their rules, without widgets:
// adding a chosen or dropped file with its checks and questions, removing an
// entry, and applying the lists to the project when the dialog is confirmed.
// Nothing changes on disk or in the project before Apply.
class TFileLists {
public:
    // The project file keeps this many names of each list.
    static constexpr int iMaxEditableFiles = 6;
    static constexpr int iMaxBinaryGraphicFiles = 12;

    explicit TFileLists(IFileListHost& host) : Host(host) {}

    // Starts from the project's lists: the editable file names without
    // directory, the instance's attached file names as they are.
    void Fill(const QStringList& EditableFiles, const TZEPInstance* instance);
    void Clear();

    const QList<TFileListEntry>& Entries(CFileList list) const { return List(list); }

    // Adds the chosen file to the list after the checks against the other
    // list, the list's limit and the project directory sProjectDir (asking
    // when a file of that name is there already). False when nothing changed.
    bool AddFile(CFileList list, const QString& sChosenFile, const QString& sProjectDir);
    void Remove(CFileList list, int iIndex);

    // Confirms the dialog: removed names leave the project's lists (their
    // pages close, their files stay), replaced and new files are copied into
    // sProjectDir and new names are appended. Both dialog lists end empty.
    void Apply(QStringList& EditableFiles, TZEPInstance* instance, const QString& sProjectDir);

private:
    QList<TFileListEntry>& List(CFileList list) { return list == CFileList::flEditable ? Editable : BinaryGraphic; }
    const QList<TFileListEntry>& List(CFileList list) const {
        return list == CFileList::flEditable ? Editable : BinaryGraphic;
    }
    bool AddNew(CFileList list, const QString& sName, const QString& sChosenFile, const QString& sProjectDir);
    bool Replace(TFileListEntry& entry, const QString& sChosenFile, const QString& sProjectDir);
    void ApplyList(CFileList list, QStringList& files, const QString& sProjectDir);
    bool CopyIntoProject(const TFileDetail& detail, const QString& sName, const QString& sProjectDir);

    IFileListHost& Host;
    QList<TFileListEntry> Editable;
    QList<TFileListEntry> BinaryGraphic;
};
