#pragma once

#include "CompileUi.h"

class ICompileHost;
class IEditorServices;
class QWidget;
class TCompileForm;

// The compile's questions and displays in the editor: message boxes through
// the editor's services, saves through the main window's commands and the
// results in the compile results dialog.
class TEditorCompileUi : public ICompileUi {
public:
    TEditorCompileUi(IEditorServices& services, QWidget* parent, ICompileHost& host, TCompileForm& form);

    void Log(const QString& sText) override;
    void ShowError(const QString& sText) override;
    bool Confirm(const QString& sQuestion) override;
    bool AskYesNo(const QString& sQuestion) override;
    void ShowInfo(const QString& sText) override;
    void Status(const QString& sText) override;
    // The window shows its own title for the saved project.
    void SetCaption(const QString& sCaption) override;
    bool SaveProject() override;
    bool SaveProjectAs() override;
    bool ShowResults(const TCompileResults& results) override;

private:
    IEditorServices& Services;
    QWidget* Parent;
    ICompileHost& Host;
    TCompileForm& Form;
};
