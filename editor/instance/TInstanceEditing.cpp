#include "TInstanceEditing.h"

#include "TInstanceEditor.h"
#include "TOptionsForm.h"

#include <QAction>

TInstanceEditing::TInstanceEditing(TInstanceEditor& editor, IEditingWindow& window, TOptionsForm& options,
                                   QAction& saveTemplate)
    : QObject(&editor), Editor(editor), Window(window), Options(options), SaveTemplate(saveTemplate) {
    connect(&editor, &TInstanceEditor::InterfaceChanged, this, [this] { FinishInterfaceUpdate(true); });
    connect(&editor, &TInstanceEditor::InterfaceChangedNoPreview, this, [this] {
        Window.NotePreviewNeeded();
        Window.Status(QStringLiteral("Changed"));
        FinishInterfaceUpdate(false);
    });
    connect(&editor, &TInstanceEditor::InstanceChanged, this, [this] { FinishInterfaceUpdate(true); });
    connect(&editor, &TInstanceEditor::ProjectStatesChanged, this, &TInstanceEditing::ApplyProjectStates);
    // Queued: a preview never starts inside the focus change that asks for it,
    // so the click that moved the focus is handled first, with its rules.
    connect(
        &editor, &TInstanceEditor::PreviewCheckRequested, this, [this] { Window.CheckForPreview(); },
        Qt::QueuedConnection);
    connect(&editor, &TInstanceEditor::HintChanged, this, [this](const QString& sHint) { Window.HintChanged(sHint); });
    connect(&editor, &TInstanceEditor::HelpRequested, this,
            [this](const QString& sKeyword) { Window.ShowHelpKeyword(sKeyword); });
}

void TInstanceEditing::UpdateInterface(bool bShowPreview) {
    Editor.UpdateInterface();
    FinishInterfaceUpdate(bShowPreview);
}

void TInstanceEditing::FinishInterfaceUpdate(bool bShowPreview) {
    if (Editor.CurrentInstance())
        Window.UpdateProjectFromOptions();
    if (bShowPreview)
        Window.PreviewChange();
}

void TInstanceEditing::ApplyProjectStates(const TProjectControlStates& states) {
    Options.LockDynamicContent(states.bDynamicContentLocked);
    SaveTemplate.setVisible(states.bSaveTemplateVisible);
}
