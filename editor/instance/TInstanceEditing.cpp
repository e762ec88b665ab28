#include "TInstanceEditing.h"

#include "TInstanceEditor.h"
#include "TOptionsForm.h"

#include <QAction>

TInstanceEditing::TInstanceEditing(TInstanceEditor& editor, IEditingWindow& window, TOptionsForm& options,
                                   QAction& saveTemplate)
    : QObject(&editor), Editor(editor), Window(window), Options(options), SaveTemplate(saveTemplate) {
    connect(&editor, &TInstanceEditor::InterfaceChanged, this, [this] {
        FinishInterfaceUpdate(true);
        Window.SetEdited();
    });
    connect(&editor, &TInstanceEditor::InterfaceChangedNoPreview, this, [this] {
        Window.NotePreviewNeeded();
        Window.Status(QStringLiteral("Changed"));
        FinishInterfaceUpdate(false);
        Window.SetEdited();
    });
    connect(&editor, &TInstanceEditor::InstanceChanged, this, [this] { FinishInterfaceUpdate(true); });
    connect(&editor, &TInstanceEditor::ProjectStatesChanged, this, &TInstanceEditing::ApplyProjectStates);
    connect(&editor, &TInstanceEditor::PreviewCheckRequested, this, [this] { Window.CheckForPreview(); });
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
