#pragma once

#include <QObject>

class QAction;
class TInstanceEditor;
class TOptionsForm;
struct TProjectControlStates;

// What the instance editor's changes need from the window around it.
class IEditingWindow {
public:
    virtual ~IEditingWindow() = default;
    // Copies the options dialog's project options into the project.
    virtual void UpdateProjectFromOptions() = 0;
    // Regenerates the preview at once while the window shows; otherwise notes
    // it as needed.
    virtual void PreviewChange() = 0;
    // Notes that a change waits for the preview.
    virtual void NotePreviewNeeded() = 0;
    // Regenerates the preview when one is pending.
    virtual void CheckForPreview() = 0;
    virtual void Status(const QString& sVal) = 0;
    // Shows the context help for the hint.
    virtual void HintChanged(const QString& sHint) = 0;
    virtual void ShowHelpKeyword(const QString& sKeyword) = 0;
};

// Connects the instance editor to its window. A change shown at once
// regenerates the preview, a typed change shows "Changed" and waits for the
// field to be left; showing another instance tab, or a popup that an undo or
// redo changed, previews it. The rules' states for
// the options dialog and the "Save Template" entry are applied here.
class TInstanceEditing : public QObject {
public:
    TInstanceEditing(TInstanceEditor& editor, IEditingWindow& window, TOptionsForm& options, QAction& saveTemplate);

    // The rules and the write-back into the selected popup, the project
    // options, then, with bShowPreview, the preview.
    void UpdateInterface(bool bShowPreview);

private:
    // The window's part of an interface update.
    void FinishInterfaceUpdate(bool bShowPreview);
    void ApplyProjectStates(const TProjectControlStates& states);

    TInstanceEditor& Editor;
    IEditingWindow& Window;
    TOptionsForm& Options;
    QAction& SaveTemplate;
};
