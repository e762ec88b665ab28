#include "TMultiSequentialForm.h"

#include "ProjectQueries.h"
#include "SequentialLayerRules.h"
#include "StringUtils.h"
#include "TDialogControls.h"
#include "TEditorServices.h"
#include "TFormatGrid.h"
#include "THTMLEditForm.h"
#include "TZEPProject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The grid's two columns: the layer's variable and its content-file line; not editable in place.
const QStringList ContentTableFeatures = {
    QStringLiteral("(120,(Tahoma,8,,00000000),0,(Content Type),2,0,0,FF000005,FF00000D)"),
    QStringLiteral("(640,(Tahoma,8,,00000000),0,(Content HTML string),2,0,0,FF000005,FF00000D)"),
};

} // namespace

TMultiSequentialForm::TMultiSequentialForm(IEditorServices& oServices, QWidget* parent)
    : QDialog(parent), oServices(oServices) {
    setObjectName(QStringLiteral("MultiSequentialForm"));
    setWindowTitle(QStringLiteral("Multiple Sequential Layers"));
    setModal(true);
    HTMLEditForm = new THTMLEditForm(this);
    OKBtn = NewButton("OKBtn", QStringLiteral("OK"), this);
    CancelBtn = NewButton("CancelBtn", QStringLiteral("Cancel"), this);
    connect(OKBtn, &QPushButton::clicked, this, &TMultiSequentialForm::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = NewButtonRow(OKBtn, CancelBtn);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildSwitchGroup());
    layout->addWidget(BuildEditingGroup(), 1);
    layout->addLayout(buttons);
    setFixedWidth(820);
    SetVisibility();
}

TMultiSequentialForm::~TMultiSequentialForm() = default;

QGroupBox* TMultiSequentialForm::BuildSwitchGroup() {
    GroupBox1 = new QGroupBox(QStringLiteral(" Multiple Sequential Layer Generation "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    EnableMultipleSequentialLayersBox = NewCheckBox("EnableMultipleSequentialLayersBox",
                                                    QStringLiteral("Enable multiple sequential layers"), GroupBox1);
    connect(EnableMultipleSequentialLayersBox, &QCheckBox::clicked, this, &TMultiSequentialForm::SwitchClick);
    Label1 = new QLabel(QStringLiteral("Use this feature to easily generate multiple links opening the main instance "
                                       "with content and location variations"),
                        GroupBox1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setStyleSheet(QStringLiteral("color: green;"));
    auto* layout = new QVBoxLayout(GroupBox1);
    layout->addWidget(EnableMultipleSequentialLayersBox);
    layout->addWidget(Label1);
    return GroupBox1;
}

QGroupBox* TMultiSequentialForm::BuildEditingGroup() {
    EditingGroup = new QGroupBox(QStringLiteral(" Multiple Content Management  "), this);
    EditingGroup->setObjectName(QStringLiteral("EditingGroup"));
    ContentTable = new TFormatGrid(EditingGroup);
    ContentTable->setObjectName(QStringLiteral("ContentTable"));
    ContentTable->setAccessibleName(QStringLiteral("Content"));
    ContentTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    ContentTable->LoadColumnFeatures(ContentTableFeatures);
    connect(ContentTable, &QTableWidget::currentCellChanged, this, [this] {
        if (!bUpdating)
            SetVisibility();
    });
    connect(ContentTable, &QTableWidget::cellDoubleClicked, this, [this](int iRow, int) { EditLayerHTML(iRow); });
    AddBtn = NewButton("AddBtn", QStringLiteral("Add"), EditingGroup);
    DeleteBtn = NewButton("DeleteBtn", QStringLiteral("Delete"), EditingGroup);
    RotModeBox = NewCheckBox("RotModeBox", QStringLiteral("Enable Rotation Mode"), EditingGroup);
    connect(AddBtn, &QPushButton::clicked, this, &TMultiSequentialForm::AddBtnClick);
    connect(DeleteBtn, &QPushButton::clicked, this, &TMultiSequentialForm::DeleteBtnClick);

    auto* tableButtons = new QHBoxLayout;
    tableButtons->addWidget(AddBtn);
    tableButtons->addWidget(DeleteBtn);
    tableButtons->addStretch(1);
    tableButtons->addWidget(RotModeBox);
    auto* layout = new QVBoxLayout(EditingGroup);
    layout->addWidget(ContentTable, 1);
    layout->addLayout(tableButtons);
    layout->addWidget(BuildContentEditGroup());
    return EditingGroup;
}

QGroupBox* TMultiSequentialForm::BuildContentEditGroup() {
    ContentEditGroup = new QGroupBox(EditingGroup);
    SetGroupTitle(ContentEditGroup, sNoContentSelected);
    ContentEditGroup->setObjectName(QStringLiteral("ContentEditGroup"));
    QWidget* group = ContentEditGroup;
    LinkMemo = new QPlainTextEdit(group);
    LinkMemo->setObjectName(QStringLiteral("LinkMemo"));
    LinkMemo->setAccessibleName(QStringLiteral("Link command"));
    LinkMemo->setReadOnly(true);
    LinkMemo->setMaximumHeight(70);
    WidthEdit = NewEdit("WidthEdit", iMaxNumberLength, true, group);
    HeightEdit = NewEdit("HeightEdit", iMaxNumberLength, true, group);
    LeftEdit = NewEdit("LeftEdit", iMaxNumberLength, true, group);
    TopEdit = NewEdit("TopEdit", iMaxNumberLength, true, group);
    LocationListBox = new QComboBox(group);
    LocationListBox->setObjectName(QStringLiteral("LocationListBox"));
    LocationListBox->addItems(LayerLocationNames());
    LocationLabel = NewLabelFor(QStringLiteral("Location:"), LocationListBox, group);
    LocationLabel->setObjectName(QStringLiteral("LocationLabel"));
    RelativPositionBox = NewCheckBox("RelativPositionBox", QStringLiteral("Relative Positioning"), group);
    connect(RelativPositionBox, &QCheckBox::toggled, this, &TMultiSequentialForm::RelativPositionBoxClick);
    LinkTextEdit = NewEdit("LinkTextEdit", 32767, false, group);
    SetBtn = NewButton("SetBtn", QStringLiteral("Set"), group);
    SetAllBtn = NewButton("SetAllBtn", QStringLiteral("Set All"), group);
    AddImageTemplateBtn = NewButton("AddImageTemplateBtn", QStringLiteral("Add Image Template"), group);
    connect(SetBtn, &QPushButton::clicked, this, &TMultiSequentialForm::SetBtnClick);
    connect(SetAllBtn, &QPushButton::clicked, this, &TMultiSequentialForm::SetAllBtnClick);
    connect(AddImageTemplateBtn, &QPushButton::clicked, this, [this] { LinkTextEdit->setText(ImageTag(QString())); });

    auto* layout = new QGridLayout(group);
    layout->addWidget(LinkMemo, 0, 0, 1, 6);
    layout->addWidget(NewLabelFor(QStringLiteral("Width:"), WidthEdit, group), 1, 0);
    layout->addWidget(WidthEdit, 1, 1);
    layout->addWidget(NewLabelFor(QStringLiteral("Height:"), HeightEdit, group), 1, 2);
    layout->addWidget(HeightEdit, 1, 3);
    layout->addWidget(LocationLabel, 1, 4);
    layout->addWidget(LocationListBox, 1, 5);
    layout->addWidget(NewLabelFor(QStringLiteral("Left:"), LeftEdit, group), 2, 0);
    layout->addWidget(LeftEdit, 2, 1);
    layout->addWidget(NewLabelFor(QStringLiteral("Top:"), TopEdit, group), 2, 2);
    layout->addWidget(TopEdit, 2, 3);
    layout->addWidget(RelativPositionBox, 2, 4, 1, 2);
    layout->addWidget(NewLabelFor(QStringLiteral("Link Text:"), LinkTextEdit, group), 3, 0);
    layout->addWidget(LinkTextEdit, 3, 1, 1, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SetBtn);
    buttons->addWidget(SetAllBtn);
    buttons->addStretch(1);
    buttons->addWidget(AddImageTemplateBtn);
    layout->addLayout(buttons, 4, 0, 1, 6);
    return ContentEditGroup;
}

bool TMultiSequentialForm::IsSwitchOn() const {
    return EnableMultipleSequentialLayersBox->isChecked();
}

int TMultiSequentialForm::ShowModal(bool bMode, TZEPProject& oProject, TZEPInstance& oInstance) {
    oCurrentProject = &oProject;
    oCurrentInstance = &oInstance;
    oCurrentContent = nullptr;
    WorkingContent.CopyContent(oInstance.ContentStrings);
    EnableMultipleSequentialLayersBox->setChecked(bMode);
    // The rotation box follows the popup when the dialog opens; only OK writes it back.
    RotModeBox->setChecked(oInstance.bRotationMode == 1);
    if (!UpdateDisplayFromContent()) {
        oServices.Ask(this, CMessageKind::mkError, sContentMissing, QMessageBox::Cancel);
        return QDialog::Rejected;
    }
    ContentTable->setCurrentCell(0, 0);
    bRefreshContent = true;
    bInitialMode = bMode;
    SetVisibility();
    return oServices.RunModal(*this);
}

bool TMultiSequentialForm::UpdateDisplayFromContent() {
    const int iMain = WorkingContent.FindContentIndex(0);
    if (iMain < 0)
        return false;
    {
        const QScopedValueRollback<bool> updating(bUpdating, true);
        const int iRow = ContentTable->currentRow();
        ContentTable->Clear();
        ContentTable->setRowCount(WorkingContent.Count());
        RowItems.assign(size_t(WorkingContent.Count()), nullptr);
        int iNext = 0;
        const auto addRow = [this, &iNext](int iIndex) {
            ContentTable->SetCellText(iNext, 0, WorkingContent.Item(iIndex).sIndex);
            ContentTable->SetCellText(iNext, 1, WorkingContent.Line(iIndex));
            RowItems[size_t(iNext++)] = &WorkingContent.Item(iIndex);
        };
        addRow(iMain);
        for (int i = 0; i < WorkingContent.Count(); ++i) {
            if (i != iMain)
                addRow(i);
        }
        ContentTable->setCurrentCell(std::clamp(iRow, 0, ContentTable->rowCount() - 1), 0);
    }
    SetVisibility();
    return true;
}

void TMultiSequentialForm::SetVisibility() {
    const QScopedValueRollback<bool> updating(bUpdating, true);
    const int iRow = ContentTable->currentRow();
    TContentItem* oSelected = iRow >= 0 && iRow < int(RowItems.size()) ? RowItems[size_t(iRow)] : nullptr;
    if (oSelected != oCurrentContent)
        bRefreshContent = true;
    oCurrentContent = oSelected;

    TLayerState state;
    state.bSwitchOn = IsSwitchOn();
    state.bOtherPopupHasLayers = oCurrentProject && IsAdditionalContentUsed(*oCurrentProject, oCurrentInstance);
    state.iItemCount = WorkingContent.Count();
    state.oSelected = oCurrentContent;
    state.bFixedLocation = oCurrentInstance && oCurrentInstance->Location != ltManual;
    const TLayerControls c = LayerControls(state);

    setFixedHeight(c.iHeight);
    EditingGroup->setVisible(c.bEditingVisible);
    EnableMultipleSequentialLayersBox->setEnabled(c.bSwitchEnabled);
    DeleteBtn->setEnabled(c.bDeleteEnabled);
    SetGroupTitle(ContentEditGroup, c.sEditTitle);
    ContentEditGroup->setEnabled(c.bEditEnabled);
    WidthEdit->setEnabled(c.bSizeEnabled);
    HeightEdit->setEnabled(c.bSizeEnabled);
    LeftEdit->setEnabled(c.bLeftTopEnabled);
    TopEdit->setEnabled(c.bLeftTopEnabled);
    LocationListBox->setEnabled(c.bLocationEnabled);
    RelativPositionBox->setEnabled(c.bRelativeEnabled);
    LocationListBox->setVisible(c.bLocationVisible);
    LocationLabel->setVisible(c.bLocationVisible);
    RelativPositionBox->setVisible(c.bRelativeVisible);
    SetAllBtn->setEnabled(c.bSetAllEnabled);
    if (!oCurrentContent || !oCurrentInstance) {
        LinkMemo->clear();
        return;
    }
    if (bRefreshContent) {
        LoadFields(*oCurrentContent);
        bRefreshContent = false;
    }
    LinkMemo->setPlainText(LinkCommandText(*oCurrentContent, *oCurrentInstance));
}

void TMultiSequentialForm::LoadFields(const TContentItem& oItem) {
    const TLayerFields fields = LayerFields(oItem);
    LinkTextEdit->setText(fields.sLinkText);
    HeightEdit->setText(fields.sHeight);
    WidthEdit->setText(fields.sWidth);
    TopEdit->setText(fields.sTop);
    LeftEdit->setText(fields.sLeft);
    LocationListBox->setCurrentIndex(LocationListBox->findText(fields.sLocation));
    RelativPositionBox->setChecked(fields.bRelative);
}

TLayerFields TMultiSequentialForm::ReadFields() const {
    return {WidthEdit->text(),
            HeightEdit->text(),
            LeftEdit->text(),
            TopEdit->text(),
            LocationListBox->currentText(),
            RelativPositionBox->isChecked(),
            LinkTextEdit->text()};
}

int TMultiSequentialForm::IndexOfItem(const TContentItem* oItem) const {
    for (int i = 0; i < WorkingContent.Count(); ++i) {
        if (&WorkingContent.Item(i) == oItem)
            return i;
    }
    return -1;
}

void TMultiSequentialForm::SwitchClick() {
    const int iMain = WorkingContent.FindContentIndex(0);
    if (!bInitialMode && IsSwitchOn() && WorkingContent.Count() == 1 && iMain >= 0 && oCurrentInstance &&
        !TrimText(oCurrentInstance->sImageLink).isEmpty()) {
        WorkingContent.Item(iMain).sAPISpecificLinkText = ImageTag(oCurrentInstance->sImageLink);
        bRefreshContent = true;
    }
    SetVisibility();
}

void TMultiSequentialForm::AddBtnClick() {
    if (oCurrentInstance && AddLayer(WorkingContent, *oCurrentInstance))
        UpdateDisplayFromContent();
}

void TMultiSequentialForm::DeleteBtnClick() {
    if (!oCurrentContent || oCurrentContent->iLID == 0)
        return;
    if (oServices.Ask(this, CMessageKind::mkConfirmation, DeleteLayerQuestion(oCurrentContent->sIndex),
                      QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    WorkingContent.RemoveContent(oCurrentContent->iLID);
    // The selected row now shows another layer: its values go into the fields.
    oCurrentContent = nullptr;
    RowItems.clear();
    UpdateDisplayFromContent();
}

void TMultiSequentialForm::SetBtnClick() {
    if (!oCurrentContent)
        return;
    StoreLayerFields(*oCurrentContent, ReadFields());
    bRefreshContent = true;
    UpdateDisplayFromContent();
}

void TMultiSequentialForm::SetAllBtnClick() {
    if (oServices.Ask(this, CMessageKind::mkConfirmation, sSetAllQuestion, QMessageBox::Yes | QMessageBox::No) !=
        QMessageBox::Yes)
        return;
    const TLayerFields fields = ReadFields();
    for (int i = 0; i < WorkingContent.Count(); ++i)
        StoreLayerFields(WorkingContent.Item(i), fields);
    bRefreshContent = true;
    UpdateDisplayFromContent();
}

void TMultiSequentialForm::EditLayerHTML(int iRow) {
    SetVisibility();
    TContentItem* oItem = iRow >= 0 && iRow < int(RowItems.size()) ? RowItems[size_t(iRow)] : nullptr;
    if (!oItem || oItem->iLID == 0)
        return;
    HTMLEditForm->setWindowTitle(HTMLEditCaption(oItem->sIndex));
    HTMLEditForm->HTMLEditMemo->setPlainText(oItem->sHTML);
    if (oServices.RunModal(*HTMLEditForm) != QDialog::Accepted)
        return;
    SetLayerHTML(WorkingContent, IndexOfItem(oItem), HTMLEditForm->HTMLEditMemo->toPlainText());
    UpdateDisplayFromContent();
}

void TMultiSequentialForm::RelativPositionBoxClick(bool bChecked) {
    if (bUpdating || !bChecked)
        return;
    // Relative positions are offsets from the mouse pointer.
    LeftEdit->setText(QStringLiteral("0"));
    TopEdit->setText(QStringLiteral("0"));
}

void TMultiSequentialForm::OKBtnClick() {
    if (oCurrentInstance)
        oCurrentInstance->bRotationMode = RotModeBox->isChecked() ? 1 : 0;
    SetBtnClick();
    accept();
}
