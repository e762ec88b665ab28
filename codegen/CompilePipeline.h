#pragma once

#include <QString>
#include <QStringList>

#include "CompileUi.h"
#include "PreviewPages.h"
#include "ScriptContext.h"

// The application options a compile reads.
struct TCompileOptions {
    bool bAutoSave = true;       // save before compiling without asking
    bool bShowCompileBox = true; // show the compile results after a compile
};

// The compile: turns the project into the files for the designer's web
// server, in the project's folder, and reports what to paste into the page.
// Questions, saves and displays go through the ICompileUi.
class TCompilePipeline {
public:
    TCompilePipeline(TZEPProject& oProject, TScriptForm& oScript, ICompileUi& oUi, const QString& sBaseTemplatePath);

    // Runs the whole compile; true when every file was written. Reports its
    // errors through the interface and stops at the first one, leaving the
    // files written before it in place.
    bool CompileProject(const TInstanceRefs& instances);
    // Whether the compiled preview may be used for the purpose ("view in your
    // default browser", ...); asks when the project changed since.
    bool CheckCompiledVersion(const QString& sPurpose);

    // The output file list of the last successful compile, in upload order.
    QStringList UpLoadIncludeList;
    // Editable files of the project, as names relative to the project folder.
    QStringList EditableFiles;
    TCompileOptions Options;
    TPreviewText Preview;
    bool bEdited = false;    // the project has unsaved changes
    bool bCompiling = false; // a compile is running

private:
    bool SaveBeforeCompile();
    bool ProduceFiles(const TScriptContext& context, const TInstanceRefs& instances, QStringList& outputFiles);
    TCompileResults FillCompileResults(const TScriptContext& context, const TInstanceRefs& instances,
                                       const QStringList& outputFiles) const;
    bool WriteUploadIncludeList();
    static bool WriteContentFile(const TInstanceRefs& instances, const QString& sPath);
    bool Fail(const QString& sError);
    QString PreviewPagePath() const;

    TZEPProject& oProject;
    TScriptForm& oScript;
    ICompileUi& oUi;
    QString sBaseTemplatePath;
};
