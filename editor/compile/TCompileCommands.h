#pragma once

#include "ScriptContext.h"

#include <QString>

class ICompileHost;
class IEditorServices;
class QWidget;
class TCompileForm;
class TProjectDocument;
class TScriptForm;

// The editor's compile commands: "Compile DHTML Popup" on the project's
// popups, with its questions, saves and results dialog, and "View in default
// browser" on the compiled preview page.
class TCompileCommands {
public:
    TCompileCommands(IEditorServices& services, QWidget* parent, ICompileHost& host, TProjectDocument& document,
                     TScriptForm& script, QString sBaseTemplatePath);

    // The results dialog, a child of the parent window centred on the screen.
    TCompileForm& CompileForm() const { return *Form; }

    // Compiles the project's popups when an instance tab is selected.
    void CompileBtnClick(const TZEPInstance* selected);
    // Compiles the popups (the instance tabs' records in tab order) into the
    // project's folder; the upload list becomes the files written. True when
    // every file was written.
    bool CompileProject(const TInstanceRefs& instances);
    // Whether the compiled preview may be used for the purpose; asks when the
    // project is edited or newer than its preview.
    bool CheckCompiledVersion(const QString& sPurpose);
    // Opens the compiled preview page in the default browser.
    void WebBtnClick();

private:
    IEditorServices& Services;
    QWidget* Parent;
    ICompileHost& Host;
    TProjectDocument& Document;
    TScriptForm& Script;
    QString sBaseTemplatePath;
    TCompileForm* Form; // owned by the parent window
};
