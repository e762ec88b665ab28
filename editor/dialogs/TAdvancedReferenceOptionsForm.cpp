#include "TAdvancedReferenceOptionsForm.h"

#include "TDialogControls.h"
#include "TEditorServices.h"
#include "TZEPInstance.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TAdvancedReferenceOptionsForm::TAdvancedReferenceOptionsForm(IEditorServices& oServices, QWidget* parent)
    : QDialog(parent), oServices(oServices) {
    setObjectName(QStringLiteral("AdvancedReferenceOptionsForm"));
    setWindowTitle(QStringLiteral("Advanced Reference"));
    setModal(true);

    const QString sUseCustom =
        QStringLiteral("Use custom close/resize image path for compilation: (specify path/URL to folder)");
    UseCustomBox = NewCheckBox("UseCustomBox", sUseCustom, this);
    UseCustomPathEdit = NewEdit("UseCustomPathEdit", iMaxPathLength, false, this);
    UseCustomPathEdit->setAccessibleName(sUseCustom);
    BrowseBtn = NewButton("BrowseBtn", QStringLiteral("Browse..."), this);
    OKBtn = NewButton("OKBtn", QStringLiteral("OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = NewButton("CancelBtn", QStringLiteral("Cancel"), this);
    connect(UseCustomBox, &QCheckBox::toggled, this, &TAdvancedReferenceOptionsForm::ChangeEditability);
    connect(BrowseBtn, &QPushButton::clicked, this, &TAdvancedReferenceOptionsForm::BrowseBtnClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(UseCustomPathEdit, 1);
    pathRow->addWidget(BrowseBtn);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(UseCustomBox);
    layout->addLayout(pathRow);
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(520, sizeHint().height());
    ChangeEditability();
}

void TAdvancedReferenceOptionsForm::ShowInstance(const TZEPInstance& oInstance) {
    UseCustomBox->setChecked(oInstance.bUseCustom == 1);
    UseCustomPathEdit->setText(oInstance.sCustomPath);
    ChangeEditability();
}

void TAdvancedReferenceOptionsForm::StoreInstance(TZEPInstance& oInstance) const {
    oInstance.bUseCustom = UseCustomBox->isChecked() ? 1 : 0;
    oInstance.sCustomPath = UseCustomPathEdit->text();
}

void TAdvancedReferenceOptionsForm::ChangeEditability() {
    UseCustomPathEdit->setEnabled(UseCustomBox->isChecked());
    BrowseBtn->setEnabled(UseCustomBox->isChecked());
}

void TAdvancedReferenceOptionsForm::BrowseBtnClick() {
    const QString sFolder = oServices.ChooseFolder(this, sChooseFolderCaption, UseCustomPathEdit->text());
    if (!sFolder.isEmpty())
        UseCustomPathEdit->setText(sFolder.left(iMaxPathLength));
}

void TAdvancedReferenceOptionsForm::showEvent(QShowEvent* event) {
    bUseCustom = UseCustomBox->isChecked();
    sPreviousPath = UseCustomPathEdit->text();
    ChangeEditability();
    QDialog::showEvent(event);
}

void TAdvancedReferenceOptionsForm::done(int iResult) {
    if (iResult != QDialog::Accepted) {
        UseCustomBox->setChecked(bUseCustom);
        UseCustomPathEdit->setText(sPreviousPath);
        ChangeEditability();
    }
    QDialog::done(iResult);
}
