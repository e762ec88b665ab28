// The instance editor's change handlers: which handler each control uses and
// the handlers with rules of their own.
#include "TInstanceEditor.h"

#include "ColourText.h"
#include "EditorControls.h"
#include "FontConversion.h"
#include "InstanceDialogs.h"
#include "TAdvancedOptions.h"
#include "TAppearanceGroup.h"
#include "TColourSwatch.h"
#include "TContentEditor.h"
#include "TEditorServices.h"
#include "THelpPicture.h"
#include "TMethodGroup.h"
#include "TReferenceGroup.h"
#include "TScopedFlag.h"
#include "TSizePositionGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

constexpr int iMaximumAppearanceSize = 15;

// The hints that the effect lists take from their index; the first entry
// (no effect) has none.
const char* const aEntryEffectHints[] = {"",         "Drop-down", "Bounce", "Slide-in", "Slide-in right",
                                         "Slide-up", "Fade-in"};
const char* const aExitEffectHints[] = {"",        "Slide-out left", "Slide-out", "Slide-up top", "Slide-down bottom",
                                        "Fade-out"};

template <size_t N> QString EffectHint(const char* const (&hints)[N], int iIndex) {
    return iIndex > 0 && iIndex < int(N) ? QString::fromUtf8(hints[iIndex]) : QString();
}

} // namespace

void TInstanceEditor::ConnectHandlers() {
    const TReferenceGroup& r = *ReferenceGroup;
    const TMethodGroup& m = *MethodGroup;
    const TAppearanceGroup& a = *AppearanceGroup;
    const TSizePositionGroup& s = *SizePositionGroup;
    for (QCheckBox* box :
         {r.TitleBox, m.OpenAfterBox, m.CloseAfterBox, m.PerSessionBox, m.OnExitBox, m.ModalBox, a.BorderBox,
          a.ShadowBox, a.PaddingBox, a.ScrollbarsBox, a.TitleTransparentBox, a.BackgroundTransparentBox, s.CanMoveBox,
          s.FromContentBox, s.CanCloseBox, s.CanResizeBox, s.FollowScrollBox})
        connect(box, &QCheckBox::toggled, this, &TInstanceEditor::InterfaceChange);
    for (QCheckBox* box : {m.OnClickBox, m.MouseOverBox, m.MouseOutBox})
        connect(box, &QCheckBox::toggled, this, [this, box] { ExclusiveMethodsClick(box); });
    connect(r.URLBox, &QCheckBox::toggled, this, &TInstanceEditor::URLBoxClick);
    connect(m.EntryEffectListBox, &QComboBox::currentIndexChanged, this, &TInstanceEditor::EntryEffectListBoxChange);
    connect(m.ExitEffectListBox, &QComboBox::currentIndexChanged, this, &TInstanceEditor::ExitEffectListBoxChange);
    connect(s.LocationListBox, &QComboBox::currentIndexChanged, this, &TInstanceEditor::EntryLocationChange);
    for (int iTag = 0; iTag < TAppearanceGroup::crCount; ++iTag) {
        connect(a.ColourEdits[size_t(iTag)], &QLineEdit::textChanged, this, [this, iTag] { ColourEditChange(iTag); });
        connect(a.ColourBoxes[size_t(iTag)], &TColourSwatch::clicked, this, [this, iTag] { ColourBoxClick(iTag); });
    }
    connect(a.FontBtn, &QPushButton::clicked, this, &TInstanceEditor::FontBtnClick);
    connect(r.AdvancedReferenceBtn, &QPushButton::clicked, AdvancedOptions.get(),
            &TAdvancedOptions::AdvancedReferenceBtnClick);
    connect(m.AdvancedMethodsBtn, &QPushButton::clicked, AdvancedOptions.get(),
            &TAdvancedOptions::AdvancedMethodsBtnClick);
    connect(m.ScheduleBtn, &QPushButton::clicked, AdvancedOptions.get(), &TAdvancedOptions::ScheduleBtnClick);
    connect(AdvancedOptions.get(), &TAdvancedOptions::InterfaceChange, this, &TInstanceEditor::InterfaceChange);
    for (THelpPicture* help : {r.IDHelp, r.TitleHelp, r.URLHelp, ContentEditor->HTMLHelp})
        connect(help, &THelpPicture::HelpRequested, this, &TInstanceEditor::HelpRequested);
}

void TInstanceEditor::ConnectFields() {
    const TReferenceGroup& r = *ReferenceGroup;
    const TMethodGroup& m = *MethodGroup;
    const TAppearanceGroup& a = *AppearanceGroup;
    const TSizePositionGroup& s = *SizePositionGroup;
    for (QLineEdit* edit : {m.OpenAfterEdit, m.CloseAfterEdit})
        connect(edit, &QLineEdit::textChanged, this, &TInstanceEditor::InterfaceChange);
    for (QLineEdit* edit : {r.UniqueIDEdit, r.TitleEdit, s.WidthEdit, s.HeightEdit, s.TopEdit, s.LeftEdit})
        connect(edit, &QLineEdit::textChanged, this, &TInstanceEditor::InterfaceChangeNoPreview);
    connect(ContentEditor->HTMLMemo, &QPlainTextEdit::textChanged, this, &TInstanceEditor::InterfaceChangeNoPreview);
    for (QLineEdit* edit : {a.BorderEdit, a.ShadowEdit, a.PaddingEdit})
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { AppearanceMaxValueCheck(edit); });
    connect(r.URLEdit, &QLineEdit::textChanged, this, &TInstanceEditor::URLEditChange);
}

bool TInstanceEditor::eventFilter(QObject* watched, QEvent* event) {
    auto* control = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::ToolTip: {
        // The hint is not shown as a tool tip: it selects the context help.
        const QString sHint =
            HintOf(control == ContentEditor->HTMLMemo->viewport() ? ContentEditor->HTMLMemo : control);
        if (sHint.isEmpty())
            break;
        emit HintChanged(sHint);
        return true;
    }
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Keyboard users reach the context help by moving the focus.
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason)
            if (const QString sHint = HintOf(control); !sHint.isEmpty())
                emit HintChanged(sHint);
        if (CheckOnEnter.contains(watched))
            emit PreviewCheckRequested();
        break;
    }
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
            break;
        if (CheckOnLeave.contains(watched))
            emit PreviewCheckRequested();
        else if (watched == SizePositionGroup->WidthEdit || watched == SizePositionGroup->HeightEdit)
            SizeMinimumDimensionsCheck(static_cast<QLineEdit*>(watched));
        break;
    case QEvent::MouseButtonPress:
        if (CheckOnClick.contains(watched))
            emit PreviewCheckRequested();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TInstanceEditor::ExclusiveMethodsClick(QCheckBox* clicked) {
    if (bUpdating)
        return;
    {
        const TScopedFlag guard(bUpdating);
        for (QCheckBox* box : {MethodGroup->OnClickBox, MethodGroup->MouseOverBox, MethodGroup->MouseOutBox})
            if (box != clicked)
                box->setChecked(false);
        MethodGroup->OpenAfterBox->setChecked(false);
    }
    InterfaceChange();
}

void TInstanceEditor::AppearanceMaxValueCheck(QLineEdit* edit) {
    if (bUpdating)
        return;
    if (FieldNumber(edit) > iMaximumAppearanceSize) {
        const TScopedFlag guard(bUpdating);
        edit->setText(QString::number(iMaximumAppearanceSize));
    }
    InterfaceChange();
}

void TInstanceEditor::SizeMinimumDimensionsCheck(QLineEdit* edit) {
    if (bUpdating || FieldNumber(edit) >= TSizePositionGroup::iMinimumDimension)
        return;
    {
        const TScopedFlag guard(bUpdating);
        edit->setText(QString::number(TSizePositionGroup::iMinimumDimension));
    }
    InterfaceChange();
}

void TInstanceEditor::ApplyLeftPositionRule() {
    const CLocation location = LocationFromText(SizePositionGroup->LocationListBox->currentText());
    if (MethodGroup->EntryEffectListBox->currentIndex() > 0 || (location != ltManual && location != ltAnchored)) {
        const TScopedFlag guard(bUpdating);
        SizePositionGroup->LeftEdit->setText(QStringLiteral("0"));
    }
}

void TInstanceEditor::EntryLocationChange() {
    if (bUpdating)
        return;
    ApplyLeftPositionRule();
    InterfaceChange();
}

// The location rule, the list's hint and one change for both.
void TInstanceEditor::EntryEffectListBoxChange() {
    QComboBox* list = MethodGroup->EntryEffectListBox;
    SetHint(list, EffectHint(aEntryEffectHints, list->currentIndex()));
    if (bUpdating)
        return;
    ApplyLeftPositionRule();
    emit HintChanged(HintOf(list));
    InterfaceChange();
}

void TInstanceEditor::ExitEffectListBoxChange() {
    QComboBox* list = MethodGroup->ExitEffectListBox;
    SetHint(list, EffectHint(aExitEffectHints, list->currentIndex()));
    if (bUpdating)
        return;
    emit HintChanged(HintOf(list));
    {
        const TScopedFlag guard(bUpdating);
        MethodGroup->CloseAfterBox->setChecked(list->currentIndex() > 0);
    }
    InterfaceChange();
}

void TInstanceEditor::ColourEditChange(int iTag) {
    const QLineEdit* edit = AppearanceGroup->ColourEdits[size_t(iTag)];
    if (bUpdating || edit->text().size() != TAppearanceGroup::iColourLength)
        return;
    QString sError;
    const std::optional<quint32> colour = HexTextToColour(edit->text(), sError);
    if (!colour) {
        Services.Ask(this, CMessageKind::mkError, sError, QMessageBox::Ok);
        return;
    }
    AppearanceGroup->ColourBoxes[size_t(iTag)]->SetColour(*colour);
    InterfaceChange();
}

void TInstanceEditor::ColourBoxClick(int iTag) {
    if (bUpdating)
        return;
    TColourSwatch* swatch = AppearanceGroup->ColourBoxes[size_t(iTag)];
    quint32 colour = swatch->Colour();
    if (ChooseColour(Services, this, colour)) {
        const TScopedFlag guard(bUpdating);
        swatch->SetColour(colour);
        AppearanceGroup->ColourEdits[size_t(iTag)]->setText(ColourToHexText(colour));
    }
    InterfaceChange();
}

void TInstanceEditor::FontBtnClick() {
    TFont font = Font;
    if (!ChooseFont(Services, this, font))
        return;
    Font = font;
    AppearanceGroup->FontLabel->setText(FontCaption(Font));
    InterfaceChange();
}

// "URL:" on puts the content aside and shows the address in an inline
// frame; off brings the content back.
void TInstanceEditor::URLBoxClick() {
    if (bUpdating)
        return;
    {
        const TScopedFlag guard(bUpdating);
        if (ReferenceGroup->URLBox->isChecked()) {
            ContentEditor->HTMLBackUpList = ContentEditor->Lines();
            ContentEditor->SetLines({InlineFrameText(ReferenceGroup->URLEdit->text())});
        } else {
            ContentEditor->SetLines(ContentEditor->HTMLBackUpList);
        }
    }
    InterfaceChange();
}

void TInstanceEditor::URLEditChange() {
    if (bUpdating)
        return;
    QStringList lines = ContentEditor->Lines();
    if (ReferenceGroup->URLBox->isChecked() && !lines.isEmpty()) {
        lines[0] = InlineFrameText(ReferenceGroup->URLEdit->text());
        const TScopedFlag guard(bUpdating);
        ContentEditor->SetLines(lines);
    }
    InterfaceChange();
}
