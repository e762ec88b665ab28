#pragma once

#include "TFileLists.h"

#include <QDialog>

class IFileListHost;
class QListWidget;
class QPushButton;
class TPanelDD;
class TZEPInstance;

// "Add Files to or Remove Files from Project": the project's editable files
// and the current popup's binary and graphic files, each list with its add
// and remove buttons and a panel that takes files dropped from the desktop.
// Confirming applies both lists to the project; cancelling changes nothing.
class TFileListForm : public QDialog {
    Q_OBJECT
public:
    explicit TFileListForm(IFileListHost& host, QWidget* parent = nullptr);

    // Fills the lists for one showing: EditableFiles is the project's list,
    // changed when the dialog is confirmed; instance is the popup whose
    // attached files are shown (none without an instance tab); iInstanceTabs
    // the project's number of popups; sProjectDir the directory the project
    // was loaded from, where files are copied and the choosers start.
    void Prepare(QStringList& EditableFiles, TZEPInstance* instance, int iInstanceTabs, const QString& sProjectDir);

    void done(int iResult) override;

    QString sEditableFileDir;
    QString sBinaryGraphicFileDir;

    QListWidget* EditableFileList = nullptr;
    QListWidget* BinaryGraphicFileList = nullptr;
    QPushButton* AddEditableFileBtn = nullptr;
    QPushButton* RemoveEditableFileBtn = nullptr;
    QPushButton* AddBinaryGraphicFileBtn = nullptr;
    QPushButton* RemoveBinaryGraphicFileBtn = nullptr;
    TPanelDD* DropEidtableFilePanel = nullptr;
    TPanelDD* DropBinaryGraphicFilePanel = nullptr;

private:
    QWidget* BuildGroup(CFileList list, const QString& sTitle, const QString& sListName);
    QListWidget* ListWidget(CFileList list) const;
    QPushButton* RemoveButton(CFileList list) const;
    void AddByButton(CFileList list);
    void AddFile(CFileList list, const QString& sFile);
    void RemoveSelected(CFileList list);
    void ShowList(CFileList list);

    IFileListHost& Host;
    TFileLists Lists;
    QStringList* EditableFiles = nullptr;
    TZEPInstance* oCurrentInstance = nullptr;
    QString sProjectDir;
};
