#include "CompileChecks.h"

#include <QHash>

#include "ScheduleScript.h"
#include "ScriptNames.h"
#include "TZEPInstance.h"

namespace {

QString LayerError(const TContentItem& item, const TZEPInstance& instance, const char* sProblem) {
    return QStringLiteral("Compile Error : Content layer <") + item.sIndex + QStringLiteral("> of popup <") +
           instance.GetScriptName() + QStringLiteral("> ") + QLatin1String(sProblem);
}

// Every content string must be one string literal: the content file and the
// linking script hold it as the value assigned to the layer's variable.
QString CheckContentStrings(const TZEPInstance& instance) {
    const TContentList& content = instance.ContentStrings;
    for (int i = 0; i < content.Count(); ++i) {
        const TContentItem& item = content.Item(i);
        QString sValue;
        if (!IsScriptIdentifier(item.sIndex)) {
            return LayerError(item, instance, "is not a valid script name");
        }
        if (!ParseScriptString(item.sHTML, sValue)) {
            return LayerError(item, instance, "is not one script string");
        }
    }
    return QString();
}

using TVariableOwners = QHash<QString, const TZEPInstance*>;

// The page has one variable of each name: two popups must not both assign it.
QString CollectContentVariables(const TInstanceRefs& instances, TVariableOwners& owners) {
    for (const TZEPInstance* instance : instances) {
        for (int i = 0; i < instance->ContentStrings.Count(); ++i) {
            const QString& sVariable = instance->ContentStrings.Item(i).sIndex;
            const auto it = owners.constFind(sVariable);
            if (it != owners.cend() && *it != instance) {
                return QStringLiteral("Compile Error : Content variable <") + sVariable +
                       QStringLiteral("> is used by popups <") + (*it)->GetScriptName() + QStringLiteral("> and <") +
                       instance->GetScriptName() + u'>';
            }
            owners.insert(sVariable, instance);
        }
    }
    return QString();
}

// Rotation shows the popup's content index followed by 1, 2, ... for as long
// as such a variable exists on the page.
QString CheckRotation(const TZEPInstance& instance, const TVariableOwners& owners) {
    for (int n = 1;; ++n) {
        const QString sVariable = instance.GetContentIndex() + QString::number(n);
        const auto it = owners.constFind(sVariable);
        if (it == owners.cend()) {
            return QString();
        }
        if (*it != &instance) {
            return QStringLiteral("Compile Error : The rotation of popup <") + instance.GetScriptName() +
                   QStringLiteral("> would show the content <") + sVariable + QStringLiteral("> of popup <") +
                   (*it)->GetScriptName() + u'>';
        }
    }
}

} // namespace

QString CheckPopupsForScript(const TInstanceRefs& instances) {
    QStringList uniqueIDs;
    for (const TZEPInstance* instance : instances) {
        uniqueIDs << instance->sUniqueID;
    }
    QString sError = CheckUniqueIDs(uniqueIDs);
    for (qsizetype i = 0; sError.isEmpty() && i < instances.size(); ++i) {
        sError = CheckContentStrings(*instances.at(i));
    }
    for (qsizetype i = 0; sError.isEmpty() && i < instances.size(); ++i) {
        sError = CheckPopupSchedule(*instances.at(i));
    }
    TVariableOwners owners;
    if (sError.isEmpty()) {
        sError = CollectContentVariables(instances, owners);
    }
    for (qsizetype i = 0; sError.isEmpty() && i < instances.size(); ++i) {
        if (instances.at(i)->bRotationMode == 1) {
            sError = CheckRotation(*instances.at(i), owners);
        }
    }
    return sError;
}
