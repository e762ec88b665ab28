#pragma once

#include "EditorGroups.h"

#include <functional>
#include <vector>

class QWidget;
class TZEPInstance;
struct TFont;

// One control bound to one field: how the control shows the field and how the
// field is read back from it.
struct TBindingEntry {
    std::function<void(const TZEPInstance&)> Fill;
    std::function<void(TZEPInstance&)> Write;
    QWidget* Control = nullptr; // the control whose caption names a change of the field
};

// The one table that maps every control of the instance editor to its field
// of the popup record. Filling the controls and writing them back both walk
// it, in the same order, so a control cannot be filled without being written.
class TInstanceBinding {
public:
    // currentFont is the content font being edited, kept by the editor.
    TInstanceBinding(const TEditorGroups& groups, TFont& currentFont);

    // Shows the instance in the controls. The caller holds the update guard.
    void Fill(const TZEPInstance& instance) const;
    // Writes the controls into the instance and refreshes its content item 0.
    void Write(TZEPInstance& instance) const;
    // The control whose value differs from the instance: preferred when it is
    // one of them, else the first in the table; nullptr when none differs.
    QWidget* ChangedControl(const TZEPInstance& instance, const QWidget* preferred) const;

private:
    void BindReference(TReferenceGroup& group);
    void BindMethod(TMethodGroup& group);
    void BindAppearance(TAppearanceGroup& group, TFont& currentFont);
    void BindSizePosition(TSizePositionGroup& group);
    void BindContent(TContentEditor& content);

    std::vector<TBindingEntry> Entries;
};
