#pragma once

#include "ControlStateRules.h"
#include "TFont.h"

#include <QSet>
#include <QWidget>

#include <memory>

class IEditorServices;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabBar;
class TAdvancedOptions;
class TAppearanceGroup;
class TEditorDocument;
class TContentEditor;
class TInstanceBinding;
class TMethodGroup;
class TReferenceGroup;
class TSizePositionGroup;
class TZEPInstance;
class TZEPProject;
struct TEditorGroups;

// The instance editor: the groups "Reference", "Method", "Appearance" and
// "Size/Position" and the content editor for the popup of the selected
// instance tab. Every change of a control becomes a step of the document's
// history at once and is signalled; the window around the editor refreshes
// the preview. The editor shows whatever the document's steps, undos and
// redos do to the popups.
class TInstanceEditor : public QWidget {
    Q_OBJECT
public:
    // bUpdating is the window's update flag: the editor sets it while it
    // fills its controls and its handlers do nothing while it is set. The
    // services run the colour and font dialogs and show errors.
    TInstanceEditor(bool& bUpdating, IEditorServices& services, QWidget* parent = nullptr);
    ~TInstanceEditor() override;

    // The document being edited and the tabs that show its instance list; a
    // change of the selected tab runs InstanceChange.
    void SetDocument(TEditorDocument* document, QTabBar* instanceTabs);
    // The popup of the selected tab; nullptr without one.
    TZEPInstance* CurrentInstance() const;

    // Shows the instance in every control; does nothing without one.
    void UpdateDisplayFromInstance(const TZEPInstance* instance);
    // Writes every control into the instance; does nothing without one.
    void UpdateInstanceFromDisplay(TZEPInstance* instance);
    // Applies the enabling rules to the controls; the states of the controls
    // outside the editor are signalled with ProjectStatesChanged.
    void UpdateControlStates();
    // The rules, then the controls written into the selected tab's popup as
    // it is shown (not a step: a popup just loaded or selected).
    void UpdateInterface();
    // The two change handlers: a change shown at once and a typed change;
    // each makes the controls' values a step of the history.
    void InterfaceChange();
    void InterfaceChangeNoPreview();
    // The caption of a step that changes the control's value.
    static QString StepName(const QWidget* control);
    // Shows the popup of the newly selected tab and writes it back; nothing
    // while the update flag is set (the tabs are being filled).
    void InstanceChange();

    const TFont& CurrentFont() const { return Font; }
    TReferenceGroup& Reference() const { return *ReferenceGroup; }
    TMethodGroup& Method() const { return *MethodGroup; }
    TAppearanceGroup& Appearance() const { return *AppearanceGroup; }
    TSizePositionGroup& SizePosition() const { return *SizePositionGroup; }
    TContentEditor& Content() const { return *ContentEditor; }
    // The advanced option dialogs of the Reference and Method groups.
    TAdvancedOptions& Advanced() const { return *AdvancedOptions; }

    // The inline-frame text that shows the address as the popup's content.
    static QString InlineFrameText(const QString& sURL);

signals:
    // A change was written into the popup; the preview should show it now.
    void InterfaceChanged();
    // A typed change was written; the preview follows when the field is left.
    void InterfaceChangedNoPreview();
    // Another popup is shown and written back (not a change of the project).
    void InstanceChanged();
    // The rules' states for the options dialog, instance tabs and menu.
    void ProjectStatesChanged(const TProjectControlStates& states);
    // A field was left or clicked into: a pending preview is due now.
    void PreviewCheckRequested();
    // The pointer rests on a control with this hint, or an effect was chosen.
    void HintChanged(const QString& sHint);
    void HelpRequested(const QString& sKeyword);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TEditorGroups Groups() const;
    void BuildLayout();
    void ConnectHandlers();
    void ConnectFields();
    void InstallFilters();
    void SetTabOrder();
    void Watch(QWidget* control);
    TProjectFacts ProjectFacts() const;
    // The rules, then the controls' values pushed to the document as one step
    // (named after the changed control unless sStep is given).
    void CommitDisplay(bool bTyping, const QString& sStep = {});
    // A step, undo or redo changed popup iInstance: show it.
    void ShowDocumentChange(int iInstance);

    // The named handlers with rules of their own.
    void ExclusiveMethodsClick(QCheckBox* clicked);
    void AppearanceMaxValueCheck(QLineEdit* edit);
    void SizeMinimumDimensionsCheck(QLineEdit* edit);
    void EntryLocationChange();
    void EntryEffectListBoxChange();
    void ExitEffectListBoxChange();
    void ColourEditChange(int iTag);
    void ColourBoxClick(int iTag);
    void FontBtnClick();
    void URLBoxClick();
    void URLEditChange();
    // With an entry effect or a fixed location the left position becomes "0".
    void ApplyLeftPositionRule();

    bool& bUpdating;
    IEditorServices& Services;
    TEditorDocument* oDocument = nullptr;
    TZEPProject* oProject = nullptr;
    bool bCommitting = false; // the editor's own step is being pushed
    QTabBar* InstanceTabs = nullptr;
    TFont Font; // the content font being edited

    TReferenceGroup* ReferenceGroup;
    TMethodGroup* MethodGroup;
    TAppearanceGroup* AppearanceGroup;
    TSizePositionGroup* SizePositionGroup;
    TContentEditor* ContentEditor;
    std::unique_ptr<TInstanceBinding> Binding;
    std::unique_ptr<TAdvancedOptions> AdvancedOptions;

    // Fields whose leaving, or lists whose entering, brings a pending preview.
    QSet<const QObject*> CheckOnLeave;
    QSet<const QObject*> CheckOnEnter;
    QSet<const QObject*> CheckOnClick;
};
