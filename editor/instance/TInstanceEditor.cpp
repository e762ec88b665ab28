#include "TInstanceEditor.h"

#include "ControlStateView.h"
#include "FieldFilter.h"
#include "ProjectQueries.h"
#include "TAdvancedOptions.h"
#include "TAppearanceGroup.h"
#include "TColourSwatch.h"
#include "TContentEditor.h"
#include "TEditorDocument.h"
#include "THelpPicture.h"
#include "TInstanceBinding.h"
#include "TMethodGroup.h"
#include "TReferenceGroup.h"
#include "TScopedFlag.h"
#include "TSizePositionGroup.h"
#include "TZEPProject.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

// The groups column scrolls sideways below this width, so that the window
// fits a small screen.
constexpr int iNarrowestColumn = 200;

} // namespace

TInstanceEditor::TInstanceEditor(bool& bUpdatingFlag, IEditorServices& services, QWidget* parent)
    : QWidget(parent), bUpdating(bUpdatingFlag), Services(services), ReferenceGroup(new TReferenceGroup),
      MethodGroup(new TMethodGroup), AppearanceGroup(new TAppearanceGroup), SizePositionGroup(new TSizePositionGroup),
      ContentEditor(new TContentEditor), AdvancedOptions(std::make_unique<TAdvancedOptions>(services)) {
    setObjectName(QStringLiteral("InstanceEditor"));
    BuildLayout();
    Binding = std::make_unique<TInstanceBinding>(Groups(), Font);
    InstallFilters();
    ConnectHandlers();
    ConnectFields();
    SetTabOrder();
}

TInstanceEditor::~TInstanceEditor() = default;

TEditorGroups TInstanceEditor::Groups() const {
    return {*ReferenceGroup, *MethodGroup, *AppearanceGroup, *SizePositionGroup, *ContentEditor};
}

// The groups stand one below the other in a column that scrolls when the
// window is low or narrow; the content editor takes the room on their right.
void TInstanceEditor::BuildLayout() {
    auto* column = new QWidget;
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* group :
         std::initializer_list<QWidget*>{ReferenceGroup, MethodGroup, AppearanceGroup, SizePositionGroup})
        columnLayout->addWidget(group);
    columnLayout->addStretch();
    auto* scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("EditorGroupsScroller"));
    scroller->setWidget(column);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setMinimumWidth(iNarrowestColumn);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(scroller);
    splitter->addWidget(ContentEditor);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
}

void TInstanceEditor::SetDocument(TEditorDocument* document, QTabBar* instanceTabs) {
    if (oDocument)
        disconnect(oDocument, nullptr, this, nullptr);
    oDocument = document;
    oProject = document ? &document->Project() : nullptr;
    AdvancedOptions->SetProject(oProject);
    if (oDocument)
        connect(oDocument, &TEditorDocument::InstanceChanged, this, &TInstanceEditor::ShowDocumentChange);
    if (InstanceTabs)
        disconnect(InstanceTabs, nullptr, this, nullptr);
    InstanceTabs = instanceTabs;
    if (InstanceTabs)
        connect(InstanceTabs, &QTabBar::currentChanged, this, &TInstanceEditor::InstanceChange);
}

TZEPInstance* TInstanceEditor::CurrentInstance() const {
    const int iTab = InstanceTabs ? InstanceTabs->currentIndex() : -1;
    if (oProject == nullptr || iTab < 0 || iTab >= oProject->InstanceList.Count())
        return nullptr;
    return &oProject->InstanceList.Instance(iTab);
}

void TInstanceEditor::UpdateDisplayFromInstance(const TZEPInstance* instance) {
    if (instance == nullptr)
        return;
    const TScopedFlag guard(bUpdating);
    Binding->Fill(*instance);
    AdvancedOptions->ShowInstance(*instance);
}

void TInstanceEditor::UpdateInstanceFromDisplay(TZEPInstance* instance) {
    if (instance == nullptr)
        return;
    // The image link first: writing the controls refreshes content item 0 from it.
    AdvancedOptions->StoreInstance(*instance);
    Binding->Write(*instance);
}

TProjectFacts TInstanceEditor::ProjectFacts() const {
    TProjectFacts facts;
    if (oProject == nullptr)
        return facts;
    const int iSelected = InstanceTabs ? InstanceTabs->currentIndex() : -1;
    facts.bMultipleInstances = oProject->bMultipleInstances == 1;
    facts.bMultipleSequentialLayers = oProject->bMultipleSequentialLayers == 1;
    facts.bTemplate = oProject->bTemplate == 1;
    facts.bOtherOnExit = HasOnExit(*oProject, iSelected);
    facts.bOtherModal = HasModal(*oProject, iSelected);
    return facts;
}

void TInstanceEditor::UpdateControlStates() {
    const TScopedFlag guard(bUpdating);
    const TRuleResult result = ::UpdateControlStates(ReadControlStates(Groups()), ProjectFacts());
    ApplyControlStates(result.Controls, Groups());
    if (InstanceTabs)
        InstanceTabs->setVisible(result.Project.bInstanceTabsVisible);
    emit ProjectStatesChanged(result.Project);
}

void TInstanceEditor::UpdateInterface() {
    UpdateControlStates();
    UpdateInstanceFromDisplay(CurrentInstance());
}

void TInstanceEditor::InterfaceChange() {
    if (bUpdating)
        return;
    CommitDisplay(false);
    emit InterfaceChanged();
}

void TInstanceEditor::InterfaceChangeNoPreview() {
    if (bUpdating)
        return;
    CommitDisplay(true);
    emit InterfaceChangedNoPreview();
}

void TInstanceEditor::CommitDisplay(bool bTyping, const QString& sStep) {
    UpdateControlStates();
    const TZEPInstance* current = CurrentInstance();
    if (current == nullptr || oDocument == nullptr)
        return;
    const std::unique_ptr<TZEPInstance> edited = current->Clone(oProject);
    UpdateInstanceFromDisplay(edited.get());
    const QString sName =
        sStep.isEmpty() ? StepName(Binding->ChangedControl(*current, QApplication::focusWidget())) : sStep;
    const TScopedFlag committing(bCommitting);
    oDocument->ChangeInstance(InstanceTabs->currentIndex(), *edited, sName, bTyping);
}

QString TInstanceEditor::StepName(const QWidget* control) {
    QString sCaption = control ? control->accessibleName() : QString();
    sCaption.remove(u'&');
    sCaption = sCaption.simplified();
    while (sCaption.endsWith(u':') || sCaption.endsWith(u'-'))
        sCaption = sCaption.chopped(1).trimmed();
    return QStringLiteral("Change ") + sCaption;
}

void TInstanceEditor::ShowDocumentChange(int iInstance) {
    if (bCommitting || InstanceTabs == nullptr)
        return;
    if (iInstance != InstanceTabs->currentIndex() && iInstance < InstanceTabs->count()) {
        InstanceTabs->setCurrentIndex(iInstance); // shows it through InstanceChange
        return;
    }
    UpdateDisplayFromInstance(CurrentInstance());
    UpdateControlStates();
    emit InstanceChanged();
}

void TInstanceEditor::InstanceChange() {
    if (bUpdating)
        return;
    UpdateDisplayFromInstance(CurrentInstance());
    UpdateInterface();
    emit InstanceChanged();
}

QString TInstanceEditor::InlineFrameText(const QString& sURL) {
    return QStringLiteral("<iframe src=\"") + sURL +
           QStringLiteral("\" name=\"zepiframe\" id=\"zepiframe\" width=100% height=100% align=\"center\" "
                          "Frameborder=\"0\" Scrolling=\"no\" marginheight=\"0\" marginwidth=\"0\"></iframe>");
}

void TInstanceEditor::InstallFilters() {
    const TReferenceGroup& r = *ReferenceGroup;
    const TAppearanceGroup& a = *AppearanceGroup;
    const TSizePositionGroup& s = *SizePositionGroup;
    TFieldFilter::Install(r.UniqueIDEdit, TFieldFilter::fkUniqueID, bUpdating);
    for (QLineEdit* edit : {r.TitleEdit, r.URLEdit})
        TFieldFilter::Install(edit, TFieldFilter::fkOneLine, bUpdating);
    for (QLineEdit* edit : {MethodGroup->OpenAfterEdit, MethodGroup->CloseAfterEdit, a.BorderEdit, a.ShadowEdit,
                            a.PaddingEdit, s.WidthEdit, s.HeightEdit, s.TopEdit, s.LeftEdit})
        TFieldFilter::Install(edit, TFieldFilter::fkDigits, bUpdating);
    for (QLineEdit* edit : a.ColourEdits)
        TFieldFilter::Install(edit, TFieldFilter::fkHexColour, bUpdating);

    for (QWidget* control : findChildren<QWidget*>())
        Watch(control);
    Watch(ContentEditor->HTMLMemo->viewport());
    CheckOnLeave = {r.UniqueIDEdit, r.TitleEdit, r.URLEdit, s.TopEdit, s.LeftEdit};
    CheckOnEnter = {MethodGroup->EntryEffectListBox, MethodGroup->ExitEffectListBox, s.LocationListBox};
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        if (edit != r.UniqueIDEdit)
            CheckOnClick.insert(edit);
    CheckOnClick.insert(ContentEditor->HTMLMemo->viewport());
}

void TInstanceEditor::Watch(QWidget* control) {
    control->installEventFilter(this);
}

// Group by group, row by row, each help picture after its field.
void TInstanceEditor::SetTabOrder() {
    const TReferenceGroup& r = *ReferenceGroup;
    const TMethodGroup& m = *MethodGroup;
    const TAppearanceGroup& a = *AppearanceGroup;
    const TSizePositionGroup& s = *SizePositionGroup;
    using C = TAppearanceGroup;
    std::vector<QWidget*> order{r.UniqueIDEdit,
                                r.IDHelp,
                                r.TitleBox,
                                r.TitleEdit,
                                r.TitleHelp,
                                r.URLBox,
                                r.URLEdit,
                                r.URLHelp,
                                r.AdvancedReferenceBtn,
                                m.OpenAfterBox,
                                m.OpenAfterEdit,
                                m.CloseAfterBox,
                                m.CloseAfterEdit,
                                m.PerSessionBox,
                                m.OnExitBox,
                                m.ModalBox,
                                m.EntryEffectListBox,
                                m.ExitEffectListBox,
                                m.OnClickBox,
                                m.MouseOverBox,
                                m.MouseOutBox,
                                m.ScheduleBtn,
                                m.AdvancedMethodsBtn,
                                a.BorderBox,
                                a.BorderEdit,
                                a.ShadowBox,
                                a.ShadowEdit,
                                a.PaddingBox,
                                a.PaddingEdit,
                                a.ScrollbarsBox};
    for (int iRow = 0; iRow < C::crCount; ++iRow) {
        order.push_back(a.ColourEdits[size_t(iRow)]);
        order.push_back(a.ColourBoxes[size_t(iRow)]);
        if (iRow == C::crTitle)
            order.push_back(a.TitleTransparentBox);
        if (iRow == C::crBackground)
            order.push_back(a.BackgroundTransparentBox);
    }
    order.insert(order.end(), {a.FontBtn, s.CanMoveBox, s.FromContentBox, s.CanCloseBox, s.CanResizeBox,
                               s.FollowScrollBox, s.WidthEdit, s.HeightEdit, s.TopEdit, s.LeftEdit, s.LocationListBox,
                               ContentEditor->HTMLHelp, ContentEditor->HTMLMemo});
    for (size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}
