#include "LinkingScript.h"

#include <QFileInfo>

#include <memory>

#include "CommandGenerator.h"
#include "ConstructorGenerator.h"
#include "ProjectQueries.h"
#include "ScheduleScript.h"
#include "ScriptNames.h"
#include "SnippetGenerator.h"
#include "StringUtils.h"
#include "TProfileFile.h"
#include "TScriptForm.h"
#include "TZEPProject.h"
#include "TextFile.h"

namespace {

const QString sBeginMarker = QStringLiteral("// *** Begin advanced user scripting area ***");
const QString sEndMarker = QStringLiteral("// *** End advanced user scripting area ***");

// The popup's script name, or UniqueID when it is blank.
QString ScriptID(const TZEPInstance& instance) {
    const QString sID = instance.GetScriptName();
    return sID.isEmpty() ? QStringLiteral("UniqueID") : sID;
}

// No tooltip, exit, click or mouse trigger: the popup's command runs from the
// initialisation function.
bool IsPlain(const TZEPInstance& instance) {
    return instance.bToolTip != 1 && instance.bOnExit != 1 && instance.bMouseOver != 1 && instance.bMouseOut != 1 &&
           instance.bOnClick != 1;
}

bool IsDontShowAgain(const TZEPProject& project) {
    return project.AddedCodeOption == acDontShowAgainCode;
}

// The build call: uid.zep("uid",content,"title");
QString BuildCall(const TZEPInstance& instance, const QString& sContent) {
    const QString sName = instance.GetScriptName();
    return QStringLiteral("  ") + sName + QStringLiteral(".zep(\"") + sName + QStringLiteral("\",") + sContent +
           QStringLiteral(",\"") + EscapeScriptString(instance.sTitle) + QStringLiteral("\");");
}

// The cookie test that keeps a popup away once the visitor ticked "don't show again".
void AppendDontShowAgainTest(QStringList& lines, const TZEPInstance& instance, const QString& sCmd,
                             const QString& sModal) {
    lines << QStringLiteral("  var sp=dontshowagain.rca('") + ScriptID(instance) + QStringLiteral("_checked');");
    lines << QStringLiteral("  if(sp!='true'){");
    lines << QStringLiteral("    ") + sCmd + (instance.bModal == 1 ? sModal : QString());
    lines << QStringLiteral("    }");
}

QString InitialisationLine(const TZEPProject& project) {
    switch (project.InitialisationOption) {
    case ioRunWhenPageLoaded:
        // A listener, so that a page script assigning window.onload later leaves the popups running.
        return QStringLiteral("if(window.addEventListener){window.addEventListener('load', initZEP);}else{"
                              "window.attachEvent('onload', initZEP);}");
    case ioRunImmediately:
        return QStringLiteral("initZEP();");
    default:
        return QString();
    }
}

// Header, gate opening, the initialisation function's head and the begin marker.
QStringList OpeningLines(const TScriptContext& context, const QStringList& gateLines) {
    QStringList lines = context.oScript.GetListWithScriptHeader();
    lines << gateLines.at(0) << gateLines.at(1);
    lines << QStringLiteral("function initZEP(){bdf=0;");
    lines << sBeginMarker;
    return lines;
}

// End marker, the function's end, the initialisation line and the gate's end.
void AppendClosingLines(const TScriptContext& context, const QStringList& gateLines, QStringList& lines) {
    lines << sEndMarker << QStringLiteral("}");
    const QString sInit = InitialisationLine(context.oProject);
    if (!sInit.isEmpty()) {
        lines << sInit;
    }
    lines << gateLines.at(2);
}

// runCmdSet: what the runtime's exit watcher calls when the visitor is leaving.
void AppendExitHandler(const TScriptContext& context, const TZEPInstance& instance, const QString& sCmd,
                       const QString& sModal, QStringList& lines) {
    lines << QStringLiteral("function runCmdSet(){");
    if (instance.bModal == 1 && !IsDontShowAgain(context.oProject)) {
        lines << QStringLiteral("  ") + sCmd + sModal;
    } else if (IsDontShowAgain(context.oProject)) {
        if (!sCmd.isEmpty() && instance.bToolTip != 1 && instance.bMouseOver != 1 && instance.bMouseOut != 1 &&
            instance.bOnClick != 1) {
            AppendDontShowAgainTest(lines, instance, sCmd, sModal);
        }
    } else {
        lines << QStringLiteral("  ") + sCmd;
    }
    lines << QStringLiteral("}");
}

void AppendTurnOffAudio(const TZEPProject& project, QStringList& lines) {
    if (project.bTurnOffAudio == 1) {
        lines << QString() << QStringLiteral("function zepOnHide(uid){QEL.zep.zepContent(uid,'');}");
    }
}

bool SaveLinkingLines(const QStringList& lines, const QString& sFilePath, QStringList& outputFiles) {
    if (!WriteTextLines(sFilePath, lines)) {
        return false;
    }
    outputFiles << sFilePath;
    return true;
}

} // namespace

bool AddModalMaskBlock(const TScriptContext& context, QStringList& lines) {
    const QString sTemplate = context.sBaseTemplatePath + QStringLiteral("Modal1.zrx");
    if (!QFileInfo::exists(sTemplate)) {
        context.oReport.ShowError(QStringLiteral("Can not find Modal Template File"));
        return false;
    }
    TProfileFile templateFile;
    auto mask = std::make_unique<TZEPInstance>(&context.oProject);
    mask->iInstanceID = -1;
    if (!templateFile.Open(sTemplate) || !mask->LoadFromIniFile(templateFile, sTemplate)) {
        context.oReport.ShowError(QStringLiteral("Can not open Modal Template File"));
        return false;
    }
    QString sHtml;
    for (const QString& sLine : mask->HTMLFile) {
        for (QChar c : sLine) {
            if (c.unicode() >= 32) {
                sHtml += c;
            }
        }
    }
    lines << QStringLiteral("  zep_zepMask=\"") + EscapeScriptString(sHtml) + QStringLiteral("\";");
    lines << QStringLiteral("  ") + CreateInstanceFunction(*mask);
    lines << QStringLiteral("  zepMask.zep(\"zepMask\",zep_zepMask,\"\");");
    return true;
}

bool WriteLinkingFile(const TScriptContext& context, const TZEPInstance& instance, QStringList& outputFiles,
                      const QStringList& gateLines, const QString& sFilePath, const QString& sModal,
                      const QString& sCmd, const QString& sContentScript) {
    if (gateLines.size() < 3) {
        return false;
    }
    const TZEPProject& project = context.oProject;
    const bool bDontShowAgain = IsDontShowAgain(project);
    const QString sID = ScriptID(instance);
    QStringList lines = OpeningLines(context, gateLines);
    if (instance.bModal == 1 && !AddModalMaskBlock(context, lines)) {
        return false;
    }
    if (instance.bToolTip == 1 || project.bDynamicContent == 1) {
        lines << QStringLiteral("  htmlstring=\"\";");
    } else {
        lines << QStringLiteral("  htmlstring=") + sContentScript + QStringLiteral(";");
    }
    // Rotation takes the main content from the content variable, which only the
    // content file defines; without that file it is the popup's own content.
    if (instance.bRotationMode == 1 && project.bDynamicContent != 1) {
        lines << QStringLiteral("  ") + instance.GetContentIndex() + QStringLiteral("=htmlstring;");
    }
    lines << QStringLiteral("  ") + CreateInstanceFunction(instance);
    lines << BuildCall(instance, QStringLiteral("htmlstring"));
    if (project.AddedCodeOption == acNoAddedCode && instance.bModal != 1 && !sCmd.isEmpty() && IsPlain(instance)) {
        lines << sCmd;
    }
    if (instance.bModal == 1 && instance.bOnExit != 1 && instance.bOnClick != 1 && !bDontShowAgain) {
        lines << sCmd + QStringLiteral("\r\n") + sModal;
    }
    if (project.bDynamicContent == 1) {
        lines << QStringLiteral("  if(!") + sID + QStringLiteral(".pars.isc && !") + sID +
                     QStringLiteral(".pars.rot){");
        lines << QStringLiteral("    QEL.zep.zepContent('") + sID + QStringLiteral("',zep_") +
                     instance.GetScriptName() + QStringLiteral(");");
        lines << QStringLiteral("  }");
    }
    if (bDontShowAgain && !sCmd.isEmpty() && IsPlain(instance)) {
        AppendDontShowAgainTest(lines, instance, sCmd, sModal);
    }
    AppendClosingLines(context, gateLines, lines);
    if (instance.bOnExit == 1) {
        AppendExitHandler(context, instance, sCmd, sModal, lines);
    }
    if (bDontShowAgain) {
        lines << QStringLiteral("function dontShowAgain(){if(document.getElementById('cCheck').checked){"
                                "dontshowagain.mca('") +
                     sID + QStringLiteral("_checked',true,86313600);}else{dontshowagain.mca('") + sID +
                     QStringLiteral("_checked',false,86313600);}}");
    }
    AppendTurnOffAudio(project, lines);
    return SaveLinkingLines(lines, sFilePath, outputFiles);
}

bool WriteCombinedLinkingFile(const TScriptContext& context, const TInstanceRefs& instances, QStringList& outputFiles,
                              const QStringList& gateLines, const QString& sFilePath) {
    if (gateLines.size() < 3) {
        return false;
    }
    const TZEPProject& project = context.oProject;
    QStringList lines = OpeningLines(context, gateLines);
    if (HasModal(project, -1) && !AddModalMaskBlock(context, lines)) {
        return false;
    }
    for (qsizetype i = 0; i < instances.size(); ++i) {
        if (instances.at(i) == nullptr) {
            context.oReport.Log(QStringLiteral("Nil instance at index ") + QString::number(i));
            return false;
        }
    }
    // Choosing the one popup of the page view needs every competitor
    // constructed before the first is built.
    const QString sOnePerPage = OnePerPageStatement(project, instances);
    if (!sOnePerPage.isEmpty()) {
        for (const TZEPInstance* instance : instances) {
            lines << QStringLiteral("  ") + CreateInstanceFunction(*instance);
        }
        lines << sOnePerPage;
    }
    const TZEPInstance* exitInstance = nullptr;
    for (const TZEPInstance* instance : instances) {
        const QString sCmd = GenerateCommandString(*instance, instance->GetScriptName(), QString());
        const QString sModal = GenerateModalString(*instance);
        if (sOnePerPage.isEmpty()) {
            lines << QStringLiteral("  ") + CreateInstanceFunction(*instance);
        }
        lines << BuildCall(*instance, instance->GetContentIndex());
        if (project.AddedCodeOption == acNoAddedCode && instance->bModal != 1 && !sCmd.isEmpty() &&
            IsPlain(*instance)) {
            lines << QStringLiteral("  ") + sCmd;
        }
        if (instance->bModal == 1 && instance->bOnExit != 1 && instance->bOnClick != 1 && !IsDontShowAgain(project)) {
            lines << QStringLiteral("  ") + sCmd + QStringLiteral("\r\n") + sModal;
        }
        if (instance->bOnExit == 1 && exitInstance == nullptr) {
            exitInstance = instance;
        }
    }
    AppendClosingLines(context, gateLines, lines);
    if (exitInstance != nullptr) {
        AppendExitHandler(context, *exitInstance,
                          GenerateCommandString(*exitInstance, exitInstance->GetScriptName(), {}),
                          GenerateModalString(*exitInstance), lines);
    }
    AppendTurnOffAudio(project, lines);
    return SaveLinkingLines(lines, sFilePath, outputFiles);
}
