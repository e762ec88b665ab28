#include "TMultiPopupModeForm.h"

#include "InstanceExport.h"
#include "MultiPopupRules.h"
#include "ProjectFiles.h"
#include "TDialogControls.h"
#include "TEditorServices.h"
#include "TInstanceTabs.h"
#include "TProfileFile.h"
#include "TZEPProject.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TMultiPopupModeForm::TMultiPopupModeForm(IEditorServices& oServices, QWidget* parent)
    : QDialog(parent), oServices(oServices) {
    setObjectName(QStringLiteral("MultiPopupModeForm"));
    setWindowTitle(QStringLiteral("Multiple Instances"));
    setModal(true);
    OKBtn = NewButton("OKBtn", QStringLiteral("OK"), this);
    CancelBtn = NewButton("CancelBtn", QStringLiteral("Cancel"), this);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = NewButtonRow(OKBtn, CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildModeGroup());
    layout->addWidget(BuildEditingGroup());
    layout->addStretch(1);
    layout->addLayout(buttons);
    setFixedWidth(520);
    setFixedHeight(iClosedHeight);
    EditingGroup->hide();
}

QGroupBox* TMultiPopupModeForm::BuildModeGroup() {
    ModeGroup = new QGroupBox(QStringLiteral(" Multiple Simultaneous Instance Generation "), this);
    ModeGroup->setObjectName(QStringLiteral("ModeGroup"));
    EnableMultiplePopupBox =
        NewCheckBox("EnableMultiplePopupBox", QStringLiteral("Enable multiple simultaneous instances"), ModeGroup);
    connect(EnableMultiplePopupBox, &QCheckBox::clicked, this, &TMultiPopupModeForm::RefreshControls);
    auto* note = new QLabel(QStringLiteral("After enabling multiple instances they may be added or removed from the "
                                           "main window. Multiple instances may only be disabled when there is only "
                                           "one instance in the project."),
                            ModeGroup);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(ModeGroup);
    layout->addWidget(EnableMultiplePopupBox);
    layout->addWidget(note);
    return ModeGroup;
}

QGroupBox* TMultiPopupModeForm::BuildEditingGroup() {
    EditingGroup = new QGroupBox(QStringLiteral("Manage Instances"), this);
    EditingGroup->setObjectName(QStringLiteral("EditingGroup"));
    AddBtn = NewButton("AddBtn", QStringLiteral("Add"), EditingGroup);
    DeleteBtn = NewButton("DeleteBtn", QStringLiteral("Delete"), EditingGroup);
    RemovetBtn = NewButton("RemovetBtn", QStringLiteral("Remove"), EditingGroup);
    DeleteLabel = new QLabel(EditingGroup);
    DeleteLabel->setObjectName(QStringLiteral("DeleteLabel"));
    RemoveLabel = new QLabel(EditingGroup);
    RemoveLabel->setObjectName(QStringLiteral("RemoveLabel"));
    for (QLabel* label : {DeleteLabel, RemoveLabel})
        label->setWordWrap(true);
    connect(AddBtn, &QPushButton::clicked, this, &TMultiPopupModeForm::AddBtnClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TMultiPopupModeForm::DeleteBtnClick);
    connect(RemovetBtn, &QPushButton::clicked, this, &TMultiPopupModeForm::RemovetBtnClick);

    auto* layout = new QGridLayout(EditingGroup);
    layout->addWidget(new QLabel(QStringLiteral("Add new instance to the current project:"), EditingGroup), 0, 0);
    layout->addWidget(AddBtn, 0, 1);
    layout->addWidget(DeleteLabel, 1, 0);
    layout->addWidget(DeleteBtn, 1, 1);
    layout->addWidget(RemoveLabel, 2, 0);
    layout->addWidget(RemovetBtn, 2, 1);
    layout->setColumnStretch(0, 1);
    return EditingGroup;
}

int TMultiPopupModeForm::ShowModal(bool bMode, TInstanceTabs& Tabs, TMultiPopupFolders& Folders) {
    InstanceTabs = &Tabs;
    oFolders = &Folders;
    EnableMultiplePopupBox->setChecked(bMode);
    CancelBtn->setEnabled(true);
    RefreshControls();
    const int iResult = oServices.RunModal(*this);
    InstanceTabs = nullptr;
    oFolders = nullptr;
    return iResult;
}

void TMultiPopupModeForm::done(int iResult) {
    if (iResult != QDialog::Accepted && !CancelBtn->isEnabled())
        return;
    QDialog::done(iResult);
}

void TMultiPopupModeForm::RefreshControls() {
    const int iCount = InstanceTabs ? InstanceTabs->Count() : 0;
    EnableMultiplePopupBox->setEnabled(iCount == 1);
    if (!EnableMultiplePopupBox->isChecked()) {
        setFixedHeight(iClosedHeight);
        EditingGroup->hide();
        return;
    }
    setFixedHeight(iOpenHeight);
    EditingGroup->show();
    const int iSelected = InstanceTabs ? InstanceTabs->CurrentIndex() : -1;
    iCurrentIndex = iSelected >= 0 ? iSelected : iCount - 1;
    sCurrentName = InstanceTabs ? InstanceTabs->Caption(iCurrentIndex) : QString();
    const TManageLabels labels = ManageLabels(iCount, sCurrentName);
    DeleteLabel->setText(labels.sDeleteLabel);
    RemoveLabel->setText(labels.sRemoveLabel);
    DeleteBtn->setEnabled(labels.bEnabled);
    RemovetBtn->setEnabled(labels.bEnabled);
}

void TMultiPopupModeForm::ShowError(const QString& sText) {
    oServices.Ask(this, CMessageKind::mkError, sText, QMessageBox::Cancel);
}

void TMultiPopupModeForm::ListChanged(const QString& sStep) {
    CancelBtn->setEnabled(false);
    RefreshControls();
    emit ListEdited(sStep);
}

void TMultiPopupModeForm::AddBtnClick() {
    if (!InstanceTabs || !oFolders)
        return;
    const QString sFile = oServices.ChooseOpenFile(
        this, {QStringLiteral("Open"), oFolders->sUserTemplatePath, sProjectFilter, QStringLiteral("zrj")});
    if (sFile.isEmpty() || !QFileInfo::exists(sFile))
        return;
    TProfileFile projectFile;
    if (!projectFile.Open(sFile)) {
        ShowError(ImportErrorMessage(projectFile.GetLastError()));
        return;
    }
    if (projectFile.ReadInteger(QStringLiteral("SYSTEM"), QStringLiteral("Instances"), 0) != 0) {
        oServices.Ask(this, CMessageKind::mkInformation, sNotSingleInstanceProject, QMessageBox::Cancel);
        return;
    }
    TZEPProject& project = *InstanceTabs->Project();
    std::unique_ptr<TZEPInstance> oInstance = project.CreateInstance();
    oInstance->iInstanceID = TZEPInstance::iSingleInstanceID;
    if (!oInstance->LoadFromIniFile(projectFile, sFile)) {
        ShowError(ImportErrorMessage(oInstance->GetLastError()));
        return;
    }
    const QString sRefusal = ImportRefusal(project, *oInstance);
    if (!sRefusal.isEmpty()) {
        ShowError(sRefusal);
        return;
    }
    if (!oInstance->CopyAttachedFiles(ProjectDirectory(sFile))) {
        ShowError(oInstance->GetLastError());
        return;
    }
    oInstance->iInstanceID = InstanceTabs->Count();
    InstanceTabs->Add(std::move(oInstance));
    ListChanged(QStringLiteral("Add Popup"));
    oFolders->sUserTemplatePath = ProjectDirectory(sFile);
}

void TMultiPopupModeForm::DeleteBtnClick() {
    if (!InstanceTabs || !InstanceTabs->Instance(iCurrentIndex))
        return;
    if (oServices.Ask(this, CMessageKind::mkConfirmation, DeleteQuestion(sCurrentName),
                      QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    TakeOutCurrent(QStringLiteral("Delete Popup"));
}

void TMultiPopupModeForm::RemovetBtnClick() {
    if (!InstanceTabs || !oFolders)
        return;
    if (!InstanceTabs->Instance(iCurrentIndex)) {
        emit LogLine(QStringLiteral("Missing object"));
        return;
    }
    const QString sFile = oServices.ChooseSaveFile(
        this, {sSaveInstanceTitle, oFolders->sBaseLocation, sProjectFilter, QStringLiteral("zrj")});
    if (sFile.isEmpty())
        return;
    if (IsFileInFolder(sFile, oFolders->sBaseTemplatePath)) {
        emit LogLine(QStringLiteral("Project can not be saved in Template directory"));
        return;
    }
    if (QFileInfo::exists(sFile) && oServices.Ask(this, CMessageKind::mkConfirmation, OverwriteQuestion(sFile),
                                                  QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    QString sError;
    if (!SaveInstanceAsProject(*InstanceTabs->Project(), iCurrentIndex, sFile, sError)) {
        ShowError(RemoveErrorMessage(sError));
        return;
    }
    TakeOutCurrent(QStringLiteral("Remove Popup"));
}

void TMultiPopupModeForm::TakeOutCurrent(const QString& sStep) {
    InstanceTabs->Delete(iCurrentIndex);
    InstanceTabs->SelectLast();
    ListChanged(sStep);
}
