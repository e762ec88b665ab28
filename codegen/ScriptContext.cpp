#include "ScriptContext.h"

#include "ProjectFiles.h"
#include "ScriptNames.h"
#include "TZEPProject.h"

TInstanceRefs InstanceRefs(TZEPProject& oProject) {
    TInstanceRefs instances;
    for (int i = 0; i < oProject.InstanceList.Count(); ++i) {
        instances << &oProject.InstanceList.Instance(i);
    }
    return instances;
}

QString ScriptInclude(const QString& sFile) {
    return QStringLiteral("<script type=\"text/javascript\" src=\"") + EscapeHtmlAttribute(sFile) +
           QStringLiteral("\"></script>");
}

TScriptContext MakeScriptContext(TZEPProject& oProject, TScriptForm& oScript, const QString& sBaseTemplatePath,
                                 ICodegenReport& oReport) {
    return TScriptContext{oProject,
                          oScript,
                          sBaseTemplatePath,
                          oReport,
                          ProjectDirectory(oProject.sFullProjectName),
                          ProjectStem(oProject.sFullProjectName)};
}
