#include "ScriptContext.h"

#include "ProjectFiles.h"
#include "TZEPProject.h"

TInstanceRefs InstanceRefs(TZEPProject& oProject) {
    TInstanceRefs instances;
    for (int i = 0; i < oProject.InstanceList.Count(); ++i) {
        instances << &oProject.InstanceList.Instance(i);
    }
    return instances;
}

QString ScriptInclude(const QString& sFile) {
    return QStringLiteral("<script type=\"text/javascript\" src=\"") + sFile + QStringLiteral("\"></script>");
}

QString ColourDigits(quint32 iColour) {
    const quint32 iRgb = ((iColour & 0xFFu) << 16) | (iColour & 0xFF00u) | ((iColour >> 16) & 0xFFu);
    return QStringLiteral("%1").arg(iRgb, 6, 16, QLatin1Char('0')).toUpper();
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
