#include "TFileListForm.h"

#include "IFileListHost.h"
#include "TPanelDD.h"
#include "TZEPInstance.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TFileListForm::TFileListForm(IFileListHost& host, QWidget* parent) : QDialog(parent), Host(host), Lists(host) {
    setObjectName(QStringLiteral("FileListForm"));
    setWindowTitle(QStringLiteral("Add Files to or Remove Files from Project"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        BuildGroup(CFileList::flEditable, QStringLiteral(" Editable Files "), QStringLiteral("Editable Files")));
    layout->addWidget(BuildGroup(CFileList::flBinaryGraphic, QStringLiteral(" Binary && Graphic Files "),
                                 QStringLiteral("Binary & Graphic Files")));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QWidget* TFileListForm::BuildGroup(CFileList list, const QString& sTitle, const QString& sListName) {
    const bool bEditable = list == CFileList::flEditable;
    auto* group = new QGroupBox(sTitle, this);
    auto* panel = new TPanelDD(group);
    panel->setObjectName(bEditable ? QStringLiteral("DropEidtableFilePanel")
                                   : QStringLiteral("DropBinaryGraphicFilePanel"));
    panel->SetAcceptFiles(true);
    auto* fileList = new QListWidget(panel);
    fileList->setObjectName(bEditable ? QStringLiteral("EditableFileList") : QStringLiteral("BinaryGraphicFileList"));
    fileList->setAccessibleName(sListName);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(fileList);

    auto* addButton = new QPushButton(QStringLiteral("Add File ..."), group);
    auto* removeButton = new QPushButton(QStringLiteral("Remove File"), group);
    addButton->setObjectName(bEditable ? QStringLiteral("AddEditableFileBtn")
                                       : QStringLiteral("AddBinaryGraphicFileBtn"));
    removeButton->setObjectName(bEditable ? QStringLiteral("RemoveEditableFileBtn")
                                          : QStringLiteral("RemoveBinaryGraphicFileBtn"));
    removeButton->setEnabled(false);
    auto* buttonColumn = new QVBoxLayout;
    buttonColumn->addWidget(addButton);
    buttonColumn->addWidget(removeButton);
    buttonColumn->addStretch();
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(panel, 1);
    groupLayout->addLayout(buttonColumn);

    (bEditable ? EditableFileList : BinaryGraphicFileList) = fileList;
    (bEditable ? AddEditableFileBtn : AddBinaryGraphicFileBtn) = addButton;
    (bEditable ? RemoveEditableFileBtn : RemoveBinaryGraphicFileBtn) = removeButton;
    (bEditable ? DropEidtableFilePanel : DropBinaryGraphicFilePanel) = panel;

    connect(addButton, &QPushButton::clicked, this, [this, list] { AddByButton(list); });
    connect(removeButton, &QPushButton::clicked, this, [this, list] { RemoveSelected(list); });
    connect(fileList, &QListWidget::itemSelectionChanged, this,
            [this, list] { RemoveButton(list)->setEnabled(!ListWidget(list)->selectedItems().isEmpty()); });
    // Only the first file of a drop is taken.
    connect(panel, &TPanelDD::FileDrop, this,
            [this, list](TPanelDD*, const QStringList& files) { AddFile(list, files.first()); });
    return group;
}

QListWidget* TFileListForm::ListWidget(CFileList list) const {
    return list == CFileList::flEditable ? EditableFileList : BinaryGraphicFileList;
}

QPushButton* TFileListForm::RemoveButton(CFileList list) const {
    return list == CFileList::flEditable ? RemoveEditableFileBtn : RemoveBinaryGraphicFileBtn;
}

void TFileListForm::Prepare(QStringList& editableFiles, TZEPInstance* instance, int iInstanceTabs,
                            const QString& sLoadedProjectPath) {
    EditableFiles = &editableFiles;
    oCurrentInstance = instance;
    sProjectDir = sLoadedProjectPath;
    sEditableFileDir = sLoadedProjectPath;
    sBinaryGraphicFileDir = sLoadedProjectPath;
    setWindowTitle(instance != nullptr && iInstanceTabs > 1
                       ? QStringLiteral("Add Files to or Remove Files from : ") + instance->sUniqueID.trimmed()
                       : QStringLiteral("Add Files to or Remove Files from Project"));
    Lists.Fill(editableFiles, instance);
    ShowList(CFileList::flEditable);
    ShowList(CFileList::flBinaryGraphic);
    RemoveEditableFileBtn->setEnabled(false);
    RemoveBinaryGraphicFileBtn->setEnabled(false);
}

void TFileListForm::done(int iResult) {
    if (iResult == QDialog::Accepted && EditableFiles != nullptr)
        Lists.Apply(*EditableFiles, oCurrentInstance, sProjectDir);
    else
        Lists.Clear();
    oCurrentInstance = nullptr;
    EditableFiles = nullptr;
    ShowList(CFileList::flEditable);
    ShowList(CFileList::flBinaryGraphic);
    QDialog::done(iResult);
}

void TFileListForm::AddByButton(CFileList list) {
    const bool bEditable = list == CFileList::flEditable;
    const QString sFile = Host.ChooseFile(bEditable ? QStringLiteral("Choose Editable File to Add to Project")
                                                    : QStringLiteral("Choose Binary or Graphic File to Add to Project"),
                                          bEditable ? sEditableFileDir : sBinaryGraphicFileDir);
    if (!sFile.isEmpty())
        AddFile(list, sFile);
}

void TFileListForm::AddFile(CFileList list, const QString& sFile) {
    if (Lists.AddFile(list, sFile, sProjectDir))
        ShowList(list);
}

void TFileListForm::RemoveSelected(CFileList list) {
    const int iRow = ListWidget(list)->currentRow();
    if (iRow < 0 || ListWidget(list)->selectedItems().isEmpty())
        return;
    Lists.Remove(list, iRow);
    ShowList(list);
}

void TFileListForm::ShowList(CFileList list) {
    QListWidget* widget = ListWidget(list);
    widget->clear();
    for (const TFileListEntry& entry : Lists.Entries(list))
        widget->addItem(entry.sName);
    RemoveButton(list)->setEnabled(false);
}
