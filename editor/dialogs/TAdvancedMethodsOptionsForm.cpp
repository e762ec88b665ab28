#include "TAdvancedMethodsOptionsForm.h"

#include "GuiColours.h"
#include "StringUtils.h"
#include "TDialogControls.h"
#include "TZEPProject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

quint8 Flag(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

} // namespace

TAdvancedMethodsOptionsForm::TAdvancedMethodsOptionsForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AdvancedMethodsOptionsForm"));
    setWindowTitle(QStringLiteral("Advanced Methods"));
    setModal(true);

    OKBtn = NewButton("OKBtn", QStringLiteral("OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = NewButton("CancelBtn", QStringLiteral("Cancel"), this);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = NewButtonRow(OKBtn, CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildFrequencyGroup());
    layout->addWidget(BuildProbabilityGroup());
    // The site-wide switch stands outside its group, which it enables.
    SiteWideBox =
        NewCheckBox("SiteWideBox", QStringLiteral("Site-wide (show once per session across the whole site)"), this);
    connect(SiteWideBox, &QCheckBox::toggled, this, &TAdvancedMethodsOptionsForm::ChangeEditability);
    layout->addWidget(SiteWideBox);
    layout->addWidget(BuildSiteWideGroup());
    layout->addWidget(BuildLinkSelectionGroup());
    layout->addStretch(1);
    layout->addLayout(buttons);
    setFixedHeight(iFormHeight);
    SetImageLink(QString(), nullptr);
    ChangeEditability();
}

QGroupBox* TAdvancedMethodsOptionsForm::BuildFrequencyGroup() {
    GroupBox1 = new QGroupBox(QStringLiteral(" Frequency of appearance "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    OncePerBox = NewCheckBox("OncePerBox", QStringLiteral("Once per n-days:"), GroupBox1);
    NumberDaysEdit = NewEdit("NumberDaysEdit", 3, true, GroupBox1);
    connect(OncePerBox, &QCheckBox::toggled, this, &TAdvancedMethodsOptionsForm::ChangeEditability);
    auto* layout = new QGridLayout(GroupBox1);
    layout->addWidget(OncePerBox, 0, 0, 1, 2);
    layout->addWidget(NewLabelFor(QStringLiteral("Number of days:"), NumberDaysEdit, GroupBox1), 1, 0);
    layout->addWidget(NumberDaysEdit, 1, 1);
    return GroupBox1;
}

QGroupBox* TAdvancedMethodsOptionsForm::BuildProbabilityGroup() {
    GroupBox2 = new QGroupBox(QStringLiteral(" Probability of appearance "), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    ControlProbabilityBox =
        NewCheckBox("ControlProbabilityBox", QStringLiteral("Control probability of appearance:"), GroupBox2);
    ProbabilityEdit = NewEdit("ProbabilityEdit", 3, true, GroupBox2);
    connect(ControlProbabilityBox, &QCheckBox::toggled, this, &TAdvancedMethodsOptionsForm::ChangeEditability);
    auto* layout = new QGridLayout(GroupBox2);
    layout->addWidget(ControlProbabilityBox, 0, 0, 1, 3);
    layout->addWidget(NewLabelFor(QStringLiteral("Probability:"), ProbabilityEdit, GroupBox2), 1, 0);
    layout->addWidget(ProbabilityEdit, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("%   (100% for every visit)"), GroupBox2), 1, 2);
    return GroupBox2;
}

QGroupBox* TAdvancedMethodsOptionsForm::BuildSiteWideGroup() {
    SiteWideGroup = new QGroupBox(QStringLiteral(" Site Wide Parameters  "), this);
    SiteWideGroup->setObjectName(QStringLiteral("SiteWideGroup"));
    TryOnceEdit = NewEdit("TryOnceEdit", 3, false, SiteWideGroup);
    TryAgainEdit = NewEdit("TryAgainEdit", 3, true, SiteWideGroup);
    auto* layout = new QGridLayout(SiteWideGroup);
    layout->addWidget(NewLabelFor(QStringLiteral("Try Once:"), TryOnceEdit, SiteWideGroup), 0, 0);
    layout->addWidget(TryOnceEdit, 0, 1);
    layout->addWidget(NewLabelFor(QStringLiteral("Try Again:"), TryAgainEdit, SiteWideGroup), 1, 0);
    layout->addWidget(TryAgainEdit, 1, 1);
    return SiteWideGroup;
}

QGroupBox* TAdvancedMethodsOptionsForm::BuildLinkSelectionGroup() {
    LinkSelectionGroup = new QGroupBox(QStringLiteral(" Link Selection "), this);
    LinkSelectionGroup->setObjectName(QStringLiteral("LinkSelectionGroup"));
    LinkListBox = new QComboBox(LinkSelectionGroup);
    LinkListBox->setObjectName(QStringLiteral("LinkListBox"));
    ImageLinkLabel = NewLabelFor(QStringLiteral("Image Link:"), LinkListBox, LinkSelectionGroup);
    ImageLinkLabel->setObjectName(QStringLiteral("ImageLinkLabel"));
    connect(LinkListBox, &QComboBox::currentIndexChanged, this, &TAdvancedMethodsOptionsForm::LinkListBoxChange);
    auto* layout = new QHBoxLayout(LinkSelectionGroup);
    layout->addWidget(ImageLinkLabel);
    layout->addWidget(LinkListBox, 1);
    return LinkSelectionGroup;
}

void TAdvancedMethodsOptionsForm::ShowInstance(const TZEPInstance& oInstance) {
    OncePerBox->setChecked(oInstance.bOncePer == 1);
    NumberDaysEdit->setText(QString::number(oInstance.iNunberDays));
    ControlProbabilityBox->setChecked(oInstance.bControlProbablility == 1);
    ProbabilityEdit->setText(QString::number(oInstance.iProbabilityPercent));
    SiteWideBox->setChecked(oInstance.bSiteWide == 1);
    TryOnceEdit->setText(QString::number(oInstance.iTryOnce));
    TryAgainEdit->setText(QString::number(oInstance.iTryAgain));
    SetImageLink(oInstance.sImageLink, &oInstance.BinaryGraphicFiles);
    ChangeEditability();
}

void TAdvancedMethodsOptionsForm::StoreInstance(TZEPInstance& oInstance) const {
    oInstance.bOncePer = Flag(OncePerBox);
    oInstance.iNunberDays = StrToIntZero(NumberDaysEdit->text());
    oInstance.bControlProbablility = Flag(ControlProbabilityBox);
    oInstance.iProbabilityPercent = StrToIntZero(ProbabilityEdit->text());
    oInstance.bSiteWide = Flag(SiteWideBox);
    oInstance.iTryOnce = StrToIntZero(TryOnceEdit->text());
    oInstance.iTryAgain = StrToIntZero(TryAgainEdit->text());
    oInstance.sImageLink = GetImageLink();
}

void TAdvancedMethodsOptionsForm::SetImageLink(const QString& sLink, const QStringList* FileList) {
    const QSignalBlocker blocker(LinkListBox);
    if (FileList) {
        Links = BuildLinkEntries(*FileList);
        LinkListBox->clear();
        for (const TLinkEntry& entry : Links) {
            LinkListBox->addItem(entry.sText);
            LinkListBox->setItemData(LinkListBox->count() - 1, ToQColor(entry.Link.Colour), Qt::ForegroundRole);
        }
    }
    const int iFound = FindLinkEntry(Links, sLink);
    LinkListBox->setCurrentIndex(std::max(iFound, 0));
    LinkListBoxChange(LinkListBox->currentIndex());
    // A link that names no attached picture shows as the textual link but is
    // kept until the user picks an entry: showing a popup must not drop it.
    if (iFound < 0)
        sImageLink = sLink;
}

void TAdvancedMethodsOptionsForm::LinkListBoxChange(int iIndex) {
    if (iIndex >= 0 && iIndex < int(Links.size()))
        sImageLink = Links[size_t(iIndex)].Link.sFileName;
    ShowSelectedColour();
}

void TAdvancedMethodsOptionsForm::ShowSelectedColour() {
    const int iIndex = LinkListBox->currentIndex();
    QPalette palette = LinkListBox->palette();
    if (iIndex >= 0 && iIndex < int(Links.size())) {
        const QColor colour = ToQColor(Links[size_t(iIndex)].Link.Colour);
        palette.setColor(QPalette::ButtonText, colour);
        palette.setColor(QPalette::Text, colour);
    }
    LinkListBox->setPalette(palette);
}

void TAdvancedMethodsOptionsForm::ChangeEditability() {
    NumberDaysEdit->setEnabled(OncePerBox->isChecked());
    ProbabilityEdit->setEnabled(ControlProbabilityBox->isChecked());
    const bool bSiteWideOn = SiteWideBox->isChecked();
    TryOnceEdit->setEnabled(bSiteWideOn);
    TryAgainEdit->setEnabled(bSiteWideOn);
    SiteWideGroup->setEnabled(bSiteWideOn);
    const bool bLayers = oCurrentProject && oCurrentProject->bMultipleSequentialLayers == 1;
    if (bLayers) {
        // Each layer has its own link text; the list shows the textual link
        // while the stored image link keeps its value.
        const QSignalBlocker blocker(LinkListBox);
        LinkListBox->setCurrentIndex(0);
        ShowSelectedColour();
    } else if (!LinkListBox->isEnabled()) {
        SetImageLink(sImageLink, nullptr);
    }
    LinkListBox->setEnabled(!bLayers);
    ImageLinkLabel->setEnabled(!bLayers);
}

void TAdvancedMethodsOptionsForm::showEvent(QShowEvent* event) {
    RememberValues();
    ChangeEditability();
    QDialog::showEvent(event);
}

void TAdvancedMethodsOptionsForm::done(int iResult) {
    if (iResult != QDialog::Accepted)
        RestoreValues();
    QDialog::done(iResult);
}

void TAdvancedMethodsOptionsForm::RememberValues() {
    bOncePer = OncePerBox->isChecked();
    sPreviousDays = NumberDaysEdit->text();
    bControlProbability = ControlProbabilityBox->isChecked();
    sPreviousProbability = ProbabilityEdit->text();
    bSiteWide = SiteWideBox->isChecked();
    iTryOnce = StrToIntZero(TryOnceEdit->text());
    iTryAgain = StrToIntZero(TryAgainEdit->text());
    sImageLinkStore = GetImageLink();
}

void TAdvancedMethodsOptionsForm::RestoreValues() {
    OncePerBox->setChecked(bOncePer);
    NumberDaysEdit->setText(sPreviousDays);
    ControlProbabilityBox->setChecked(bControlProbability);
    ProbabilityEdit->setText(sPreviousProbability);
    SiteWideBox->setChecked(bSiteWide);
    TryOnceEdit->setText(QString::number(iTryOnce));
    TryAgainEdit->setText(QString::number(iTryAgain));
    SetImageLink(sImageLinkStore, nullptr);
    ChangeEditability();
}
