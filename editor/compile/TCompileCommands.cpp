#include "TCompileCommands.h"

#include "CompilePipeline.h"
#include "ICompileHost.h"
#include "ProjectFiles.h"
#include "TCompileForm.h"
#include "TEditorCompileUi.h"
#include "TEditorServices.h"
#include "TProjectDocument.h"

#include <QGuiApplication>
#include <QScreen>

TCompileCommands::TCompileCommands(IEditorServices& services, QWidget* parent, ICompileHost& host,
                                   TProjectDocument& document, TScriptForm& script, QString sBaseTemplatePath)
    : Services(services), Parent(parent), Host(host), Document(document), Script(script),
      sBaseTemplatePath(std::move(sBaseTemplatePath)), Form(new TCompileForm(parent)) {
    // The dialog's design place, until a stored one replaces it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        Form->move(screen->availableGeometry().center() - Form->rect().center());
}

void TCompileCommands::CompileBtnClick(const TZEPInstance* selected) {
    if (selected != nullptr)
        CompileProject(InstanceRefs(Document.Project));
}

bool TCompileCommands::CompileProject(const TInstanceRefs& instances) {
    TEditorCompileUi ui(Services, Parent, Host, *Form);
    TCompilePipeline pipeline(Document.Project, Script, ui, sBaseTemplatePath);
    pipeline.Options = Host.CompileOptions();
    pipeline.bEdited = Host.IsEdited();
    pipeline.EditableFiles = Document.EditableFiles;
    pipeline.UpLoadIncludeList = Document.UpLoadIncludeList;
    const bool bDone = pipeline.CompileProject(instances);
    Host.SetShowCompileForm(pipeline.Options.bShowCompileBox);
    Document.UpLoadIncludeList = pipeline.UpLoadIncludeList;
    return bDone;
}

bool TCompileCommands::CheckCompiledVersion(const QString& sPurpose) {
    TEditorCompileUi ui(Services, Parent, Host, *Form);
    TCompilePipeline pipeline(Document.Project, Script, ui, sBaseTemplatePath);
    pipeline.bEdited = Host.IsEdited();
    return pipeline.CheckCompiledVersion(sPurpose);
}

void TCompileCommands::WebBtnClick() {
    if (!CheckCompiledVersion(QStringLiteral("view in your default browser")))
        return;
    const QString sFolder = ProjectDirectory(Document.Project.sFullProjectName);
    const QString sPage = sFolder + ProjectStem(Document.Project.sFullProjectName) + QStringLiteral("_Preview.html");
    if (!Services.ShellOpen(sPage, sFolder)) {
        const QString sError = QStringLiteral("Unable to open <") + sPage + QStringLiteral("> in the default browser");
        Host.LogLine(sError);
        Services.Ask(Parent, CMessageKind::mkError, sError, QMessageBox::Ok);
    }
}
