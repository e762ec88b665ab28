#include "CompilePipeline.h"

#include <QFileInfo>

#include "CommandGenerator.h"
#include "CompileChecks.h"
#include "LibraryAssembly.h"
#include "LinkingScript.h"
#include "MaskFiles.h"
#include "ProjectFiles.h"
#include "ProjectQueries.h"
#include "SnippetGenerator.h"
#include "TScriptForm.h"
#include "TZEPProject.h"
#include "TextFile.h"

TCompilePipeline::TCompilePipeline(TZEPProject& oProject, TScriptForm& oScript, ICompileUi& oUi,
                                   const QString& sBaseTemplatePath)
    : oProject(oProject), oScript(oScript), oUi(oUi), sBaseTemplatePath(sBaseTemplatePath) {}

bool TCompilePipeline::Fail(const QString& sError) {
    oUi.ShowError(sError);
    bCompiling = false;
    return false;
}

QString TCompilePipeline::PreviewPagePath() const {
    return ProjectDirectory(oProject.sFullProjectName) + ProjectStem(oProject.sFullProjectName) +
           QStringLiteral("_Preview.html");
}

bool TCompilePipeline::SaveBeforeCompile() {
    if (oProject.bTemplate == 1) {
        return oUi.Confirm(QStringLiteral("This file is a template - Please save as a project before compilation")) &&
               oUi.SaveProjectAs();
    }
    if (!Options.bAutoSave && bEdited && !oUi.Confirm(QStringLiteral("Project will be saved before compilation"))) {
        return false;
    }
    if (Options.bAutoSave || bEdited) {
        // A failed save does not stop the compile: the files are still produced.
        if (oUi.SaveProject()) {
            bEdited = false;
            oUi.SetCaption(QStringLiteral("Brisola - ") + ProjectStem(oProject.sFullProjectName));
        }
    }
    return true;
}

bool TCompilePipeline::CompileProject(const TInstanceRefs& instances) {
    if (instances.isEmpty() || instances.front() == nullptr) {
        return false;
    }
    bCompiling = true;
    TInstanceRefs popups = instances;
    popups.removeAll(nullptr);
    // Texts that could break out of the generated scripts are refused before the project is saved.
    const QString sRefusal = CheckPopupsForScript(popups);
    if (!sRefusal.isEmpty()) {
        return Fail(sRefusal);
    }
    // Saving under a new name reloads the project, which replaces its
    // instance records: the project's own list is taken again after saving.
    const bool bProjectInstances = instances == InstanceRefs(oProject);
    if (!SaveBeforeCompile() || oProject.bTemplate == 1) {
        bCompiling = false;
        return false;
    }
    const TInstanceRefs compiled = bProjectInstances ? InstanceRefs(oProject) : instances;
    if (compiled.isEmpty() || compiled.front() == nullptr) {
        bCompiling = false;
        return false;
    }
    const TScriptContext context = MakeScriptContext(oProject, oScript, sBaseTemplatePath, oUi);
    QStringList outputFiles;
    for (const QString& sFile : EditableFiles) {
        outputFiles << context.sProjectFolder + sFile;
    }
    for (const QString& sFile : CombinedBinaryFileList(oProject)) {
        outputFiles << context.sProjectFolder + sFile;
    }
    bool bDone = false;
    bool bEnded = false;
    try {
        bDone = ProduceFiles(context, compiled, outputFiles);
        bEnded = bDone;
    } catch (...) {
        // An unexpected failure is reported, and the compile still ends as a
        // finished one does, so the status bar does not stay on a step.
        oUi.ShowError(QStringLiteral("Compile Error : Unknown exception"));
        bEnded = true;
    }
    bCompiling = false;
    if (bEnded) {
        oUi.Status(QStringLiteral("Compilation complete"));
    }
    return bDone;
}

bool TCompilePipeline::ProduceFiles(const TScriptContext& context, const TInstanceRefs& instances,
                                    QStringList& outputFiles) {
    const QString sStem = context.sProjectFolder + context.sProjectBase;
    TZEPInstance& first = *instances.front();
    const bool bSingle = instances.size() == 1;
    if (!bSingle || oProject.bDynamicContent == 1) {
        const QString sContentFile = sStem + QStringLiteral("_ZEPcontent.js");
        // The save writes the content file only with dynamic content on, but the
        // linking file of several popups always takes their contents from it.
        if (oProject.bDynamicContent != 1 && !WriteContentFile(instances, sContentFile)) {
            return Fail(QStringLiteral("Compile Error : Failed to write Content file"));
        }
        outputFiles << sContentFile;
    }
    oScript.InitialiseScript();
    QString sCmd;
    QString sModal;
    QString sContentScript;
    if (bSingle) {
        sCmd = GenerateCommandString(first, first.GetScriptName(), QString());
        sModal = GenerateModalString(first);
        sContentScript = first.GetHTMLForScript();
    }
    if (!BuildPreviewHTML(context, instances, CPreviewMode::pmCompile, Preview)) {
        return Fail(bSingle ? QStringLiteral("Compile Error : Generating Preview HTML")
                            : QStringLiteral("Compile Error : Generating Project Preview HTML"));
    }
    const QStringList gateLines = oScript.WriteDetectScriptMemo;
    if (gateLines.size() < 3) {
        return Fail(QStringLiteral("Compile Error : Something wrong with WriteDetectScript"));
    }
    // The script includes name the tooltip script, so the compile writes and lists it.
    for (const TZEPInstance* instance : instances) {
        if (instance != nullptr && instance->bToolTip == 1) {
            const QString sTooltipScript = TooltipScriptPath(context);
            if (!WriteTooltipScript(sTooltipScript, instance->GetHTMLForScript())) {
                return Fail(QStringLiteral("Compile Error : Failed to write Tooltip file"));
            }
            outputFiles << sTooltipScript;
            break;
        }
    }
    TLibraryAssembly library(oScript);
    if (!library.WriteLibraryFile(oProject.InstanceList, outputFiles, gateLines,
                                  sStem + QStringLiteral("_zeplib.js"))) {
        return Fail(QStringLiteral("Compile Error : Failed to write Library file"));
    }
    if (!bSingle) {
        if (!WriteCombinedLinkingFile(context, instances, outputFiles, gateLines, sStem + QStringLiteral(".js"))) {
            return Fail(QStringLiteral("Compile Error : Failed to write Combined Linking file"));
        }
    } else if (!WriteLinkingFile(context, first, outputFiles, gateLines, sStem + QStringLiteral(".js"), sModal, sCmd,
                                 sContentScript)) {
        return Fail(QStringLiteral("Compile Error : Failed to write Linking file"));
    }
    // Every modal popup needs the mask files, not only a modal first popup.
    if (HasModal(oProject, -1)) {
        WriteMaskFiles(context, &outputFiles, false);
    }
    oUi.Status(QStringLiteral("Compile completed"));
    if (Options.bShowCompileBox) {
        Options.bShowCompileBox = oUi.ShowResults(FillCompileResults(context, instances, outputFiles));
    }
    const QStringList previousList = UpLoadIncludeList;
    UpLoadIncludeList = outputFiles;
    if (!WriteUploadIncludeList()) {
        UpLoadIncludeList = previousList;
        return Fail(QStringLiteral("Could not update included file list"));
    }
    if (!WriteTextLines(sStem + QStringLiteral("_Preview.html"), Preview.PreviewHTML)) {
        return Fail(QStringLiteral("Compile Error : Failed to write Preview file"));
    }
    return true;
}

bool TCompilePipeline::WriteContentFile(const TInstanceRefs& instances, const QString& sPath) {
    QStringList lines;
    for (const TZEPInstance* instance : instances) {
        if (instance != nullptr) {
            lines << instance->ContentStrings.Lines();
        }
    }
    return WriteTextLines(sPath, lines);
}

TCompileResults TCompilePipeline::FillCompileResults(const TScriptContext& context, const TInstanceRefs& instances,
                                                     const QStringList& outputFiles) const {
    TCompileResults results;
    results.bShowFormBox = Options.bShowCompileBox;
    const QStringList& preview = Preview.PreviewHTML;
    if (preview.size() > 7) {
        results.ScriptBody << preview.at(2) << preview.at(3) << preview.at(4);
        if (HasTooltip(oProject)) {
            results.ScriptBody << ScriptInclude(context.sProjectBase + QStringLiteral("_ZEPtooltips.js"));
        }
        if (instances.size() > 1 || oProject.bDynamicContent == 1) {
            results.ScriptBody << ScriptInclude(context.sProjectBase + QStringLiteral("_ZEPcontent.js"));
        }
        results.ScriptBody << ScriptInclude(context.sProjectBase + QStringLiteral(".js")) << preview.at(7);
    }
    results.IncludeFiles = outputFiles;
    results.OnMouseSyntax = Preview.MouseEventHTML;
    for (const TZEPInstance* instance : instances) {
        if (instance != nullptr && instance->Location == ltAnchored) {
            results.AnchorSyntax << QStringLiteral("<div id=\"") + instance->GetScriptName() +
                                        QStringLiteral("_anchor\"></div>");
        }
    }
    return results;
}

bool TCompilePipeline::WriteUploadIncludeList() {
    QString sError;
    if (!::WriteUploadIncludeList(oProject.sFullProjectName, UpLoadIncludeList, sError)) {
        oUi.Log(sError);
        return false;
    }
    oUi.Status(QStringLiteral("Updated UpLoad included files list"));
    return true;
}

bool TCompilePipeline::CheckCompiledVersion(const QString& sPurpose) {
    if (oProject.bTemplate == 1) {
        oUi.ShowInfo(QStringLiteral("The project must be saved and compiled to ") + sPurpose);
        return false;
    }
    if (bEdited &&
        !oUi.AskYesNo(QStringLiteral("The project has been edited.\r\nDo you wish to continue without saving?"))) {
        return false;
    }
    const QFileInfo preview(PreviewPagePath());
    if (!preview.exists()) {
        oUi.ShowInfo(QStringLiteral("The project must be compiled to ") + sPurpose);
        return false;
    }
    const QFileInfo project(oProject.sFullProjectName);
    if (preview.lastModified() >= project.lastModified()) {
        return true;
    }
    return oUi.AskYesNo(QStringLiteral("The compiled version of this project is older than the project and may not "
                                       "be up to date.\r\nDo you wish to continue?"));
}
