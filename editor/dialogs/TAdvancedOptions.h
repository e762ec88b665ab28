#pragma once

#include <QObject>
#include <QPointer>

class IEditorServices;
class QDialog;
class TAdvancedMethodsOptionsForm;
class TAdvancedReferenceOptionsForm;
class TScheduleForm;
class TZEPInstance;
class TZEPProject;

// The instance editor's advanced option dialogs and its schedule dialog, made once and kept with
// their controls between uses. The controls belong to the instance editor:
// showing an instance fills them, storing the editor's changes reads them
// back. The "Advanced..." and "Schedule..." buttons run them; a dialog closed with OK is a
// change of the popup.
class TAdvancedOptions : public QObject {
    Q_OBJECT
public:
    explicit TAdvancedOptions(IEditorServices& services);
    ~TAdvancedOptions() override;

    // The project whose sequential layers lock the image link; may be null.
    void SetProject(const TZEPProject* oProject);
    void ShowInstance(const TZEPInstance& oInstance);
    void StoreInstance(TZEPInstance& oInstance) const;

    void AdvancedReferenceBtnClick();
    void AdvancedMethodsBtnClick();
    void ScheduleBtnClick();

signals:
    // A dialog was closed with OK: the editor's change handling stores the
    // controls in the popup, marks the project edited and refreshes the preview.
    void InterfaceChange();

private:
    // Runs the dialog as a modal child of the window whose button opened it.
    void RunDialog(QDialog& dialog);

    IEditorServices& Services;
    // Owned here; once opened they are also children of the window, which
    // deletes them when it goes first (the guards then read null).
    QPointer<TAdvancedMethodsOptionsForm> oMethodsForm;
    QPointer<TAdvancedReferenceOptionsForm> oReferenceForm;
    QPointer<TScheduleForm> oScheduleForm;
};
