#include "TOptionsForm.h"

#include "TDialogControls.h"
#include "TEditorServices.h"
#include "TScopedFlag.h"
#include "ZEPTypes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const char* const sUpdateToolTip =
    "Brisola keeps how often you want to check for updates and when the last check was made, "
    "but it makes no check itself: there is no update server to ask.";

} // namespace

TOptionsForm::TOptionsForm(IEditorServices& services, QWidget* parent) : QDialog(parent), Services(services) {
    setObjectName(QStringLiteral("OptionsForm"));
    setWindowTitle(QStringLiteral("Options"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildProjectSpaceGroup());
    layout->addWidget(BuildCompileGroup());
    layout->addWidget(BuildMiscellaneousGroup());
    layout->addWidget(BuildUpdateGroup());
    layout->addWidget(buttons);
}

QWidget* TOptionsForm::BuildProjectSpaceGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Project Space "), this);
    AutoSaveBox = NewCheckBox("AutoSaveBox", QStringLiteral("Auto save when compiling"), group);
    BaseLocationEdit = new QLineEdit(group);
    BaseLocationEdit->setObjectName(QStringLiteral("BaseLocationEdit"));
    BaseLocationEdit->setReadOnly(true);
    BrowseBtn = NewButton("BrowseBtn", QStringLiteral("Browse..."), group);
    connect(BrowseBtn, &QPushButton::clicked, this, &TOptionsForm::BrowseBtnClick);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(BaseLocationEdit);
    folderRow->addWidget(BrowseBtn);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(AutoSaveBox);
    layout->addWidget(NewLabelFor(QStringLiteral("Set base folder location:"), BaseLocationEdit, group));
    layout->addLayout(folderRow);
    return group;
}

QWidget* TOptionsForm::BuildCompileGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Compile "), this);
    IncludeDynamicFunctionsBox =
        NewCheckBox("IncludeDynamicFunctionsBox", QStringLiteral("Include dynamic functions"), group);
    DynamicContentBox = NewCheckBox("DynamicContentBox", QStringLiteral("Dynamic content file"), group);
    TurnOffAudioBox =
        NewCheckBox("TurnOffAudioBox", QStringLiteral("On close turn off audio (on compile only)"), group);
    CoverBoxesBox = NewCheckBox("CoverBoxesBox", QStringLiteral("Cover select boxes in the page"), group);
    StrictCSPBox = NewCheckBox("StrictCSPBox",
                               QStringLiteral("Links without inline script (strict Content Security Policy)"), group);
    InitialisationOptionsBox = new QComboBox(group);
    InitialisationOptionsBox->setObjectName(QStringLiteral("InitialisationOptionsBox"));
    InitialisationOptionsBox->addItems(InitialisationOptionNames());
    OnePopupPerPageBox =
        NewCheckBox("OnePopupPerPageBox", QStringLiteral("Show at most one popup per page view"), group);
    ShowCompileBox = NewCheckBox("ShowCompileBox", QStringLiteral("Show compile form"), group);
    for (QCheckBox* box : {IncludeDynamicFunctionsBox, DynamicContentBox, TurnOffAudioBox, CoverBoxesBox,
                           OnePopupPerPageBox, StrictCSPBox})
        connect(box, &QCheckBox::toggled, this, &TOptionsForm::ProjectOptionChanged);
    connect(InitialisationOptionsBox, &QComboBox::currentIndexChanged, this, &TOptionsForm::ProjectOptionChanged);

    auto* initRow = new QHBoxLayout;
    initRow->addWidget(NewLabelFor(QStringLiteral("Initialisation:"), InitialisationOptionsBox, group));
    initRow->addWidget(InitialisationOptionsBox, 1);
    auto* layout = new QVBoxLayout(group);
    for (QCheckBox* box : {IncludeDynamicFunctionsBox, DynamicContentBox, TurnOffAudioBox, CoverBoxesBox})
        layout->addWidget(box);
    layout->addLayout(initRow);
    layout->addWidget(OnePopupPerPageBox);
    layout->addWidget(StrictCSPBox);
    layout->addWidget(ShowCompileBox);
    return group;
}

QWidget* TOptionsForm::BuildMiscellaneousGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Miscellaneous "), this);
    DeleteLogBox = NewCheckBox("DeleteLogBox", QStringLiteral("Delete all log files"), group);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(DeleteLogBox);
    return group;
}

QWidget* TOptionsForm::BuildUpdateGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Automatically Check For Updates "), this);
    group->setToolTip(QString::fromUtf8(sUpdateToolTip));
    UpdateFrequencyListBox = new QListWidget(group);
    UpdateFrequencyListBox->setObjectName(QStringLiteral("UpdateFrequencyListBox"));
    // The list has no label of its own: its group names it.
    UpdateFrequencyListBox->setAccessibleName(group->title().trimmed());
    UpdateFrequencyListBox->addItems(
        {QStringLiteral("Never"), QStringLiteral("Monthly"), QStringLiteral("Weekly"), QStringLiteral("Daily")});
    UpdateFrequencyListBox->setMaximumHeight(UpdateFrequencyListBox->sizeHintForRow(0) * 4 + 8);
    UpdateFrequencyListBox->setToolTip(QString::fromUtf8(sUpdateToolTip));
    LastUpdateLabel = new QLabel(group);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(UpdateFrequencyListBox);
    layout->addWidget(LastUpdateLabel);
    return group;
}

TProjectOptions TOptionsForm::ProjectOptions() const {
    return {IncludeDynamicFunctionsBox->isChecked(),
            DynamicContentBox->isChecked(),
            TurnOffAudioBox->isChecked(),
            CoverBoxesBox->isChecked(),
            InitialisationOptionsBox->currentIndex(),
            OnePopupPerPageBox->isChecked(),
            StrictCSPBox->isChecked()};
}

void TOptionsForm::SetProjectOptions(const TProjectOptions& options) {
    const TScopedFlag updating(bUpdating);
    IncludeDynamicFunctionsBox->setChecked(options.bIncludeDynamicFunctions);
    DynamicContentBox->setChecked(options.bDynamicContent);
    TurnOffAudioBox->setChecked(options.bTurnOffAudio);
    CoverBoxesBox->setChecked(options.bCoverBoxes);
    StrictCSPBox->setChecked(options.bStrictCSP);
    InitialisationOptionsBox->setCurrentIndex(options.iInitialisationOption);
    OnePopupPerPageBox->setChecked(options.bOnePopupPerPage);
    ApplyDependencyRule();
}

void TOptionsForm::LockDynamicContent(bool bLocked) {
    const TScopedFlag updating(bUpdating);
    if (bLocked)
        DynamicContentBox->setChecked(true);
    DynamicContentBox->setEnabled(!bLocked);
    ApplyDependencyRule();
}

TApplicationOptions TOptionsForm::ApplicationOptions() const {
    return {BaseLocationEdit->text(),
            AutoSaveBox->isChecked(),
            ShowCompileBox->isChecked(),
            DeleteLogBox->isChecked(),
            UpdateFrequencyListBox->currentRow(),
            dLastUpdated};
}

void TOptionsForm::SetApplicationOptions(const TApplicationOptions& options) {
    const TScopedFlag updating(bUpdating);
    BaseLocationEdit->setText(options.sBaseLocation);
    AutoSaveBox->setChecked(options.bAutoSave);
    ShowCompileBox->setChecked(options.bShowCompile);
    DeleteLogBox->setChecked(options.bDeleteLog);
    UpdateFrequencyListBox->setCurrentRow(options.iUpdateFrequency);
    dLastUpdated = options.dLastUpdated;
}

void TOptionsForm::ApplyDependencyRule() {
    const TScopedFlag updating(bUpdating);
    IncludeDynamicFunctionsBox->setEnabled(!DynamicContentBox->isChecked());
    if (DynamicContentBox->isChecked())
        IncludeDynamicFunctionsBox->setChecked(true);
}

void TOptionsForm::ShowLastUpdate() {
    static const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0));
    const QString sWhen =
        dLastUpdated <= 0.0
            ? QStringLiteral("never")
            : epoch.addMSecs(qint64(dLastUpdated * 86400000.0)).toString(QStringLiteral("dd MMM yyyy hh:mm"));
    LastUpdateLabel->setText(QStringLiteral("Last check: ") + sWhen);
}

void TOptionsForm::showEvent(QShowEvent* event) {
    ShownProjectOptions = ProjectOptions();
    ShownApplicationOptions = ApplicationOptions();
    ApplyDependencyRule();
    ShowLastUpdate();
    bDCUEdited = false;
    // Centred on the screen rather than on the main window.
    if (const QScreen* shownOn = screen())
        move(shownOn->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TOptionsForm::done(int iResult) {
    if (iResult == QDialog::Accepted) {
        const QString sLocation = BaseLocationEdit->text().trimmed();
        if (sLocation != ShownApplicationOptions.sBaseLocation)
            emit BaseLocationChanged(sLocation);
    } else {
        SetProjectOptions(ShownProjectOptions);
        SetApplicationOptions(ShownApplicationOptions);
    }
    QDialog::done(iResult);
}

void TOptionsForm::ProjectOptionChanged() {
    if (bUpdating)
        return;
    ApplyDependencyRule();
    bDCUEdited = true;
}

void TOptionsForm::BrowseBtnClick() {
    const QString sFolder =
        Services.ChooseFolder(this, QStringLiteral("Please select or create a folder:"), BaseLocationEdit->text());
    if (!sFolder.isEmpty())
        BaseLocationEdit->setText(sFolder);
}
