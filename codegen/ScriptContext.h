#pragma once

#include <QList>
#include <QString>

#include "CompileUi.h"

class TZEPInstance;
class TZEPProject;
class TScriptForm;

// The instance list handed to the generators: the instance records in list
// order; an entry may be missing (null), which the writers report.
using TInstanceRefs = QList<TZEPInstance*>;

// What the linking, mask and preview writers share: the project, the
// template store, the folder of the installation's templates (where the mask
// template "Modal1.zrx" lies), where reports go, and the project's folder and
// base name from which every output file is named.
struct TScriptContext {
    TZEPProject& oProject;
    TScriptForm& oScript;
    QString sBaseTemplatePath; // with a trailing separator
    ICodegenReport& oReport;
    QString sProjectFolder; // with a trailing separator
    QString sProjectBase;   // file name without folder and last extension, trimmed
};

TScriptContext MakeScriptContext(TZEPProject& oProject, TScriptForm& oScript, const QString& sBaseTemplatePath,
                                 ICodegenReport& oReport);

// The instance records of the project's instance list, in list order.
TInstanceRefs InstanceRefs(TZEPProject& oProject);
// The script element that includes the file f: <script type="text/javascript" src="f"></script>
QString ScriptInclude(const QString& sFile);
