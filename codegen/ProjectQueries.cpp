#include "ProjectQueries.h"

#include <QSet>

#include "ScriptText.h"

namespace {

// True when some instance other than the one at iSkipIndex satisfies the test.
template <typename TTest> bool AnyInstance(const TZEPProject& oProject, int iSkipIndex, TTest test) {
    int iIndex = 0;
    for (const TInstanceList::TEntry& entry : oProject.InstanceList) {
        if (iIndex++ != iSkipIndex && entry.oInstance && test(*entry.oInstance))
            return true;
    }
    return false;
}

} // namespace

bool HasTooltip(const TZEPProject& oProject) {
    return AnyInstance(oProject, -1, [](const TZEPInstance& o) { return IsFlagSet(o.bToolTip); });
}

bool HasOnExit(const TZEPProject& oProject, int iSkipIndex) {
    return AnyInstance(oProject, iSkipIndex, [](const TZEPInstance& o) { return IsFlagSet(o.bOnExit); });
}

bool HasModal(const TZEPProject& oProject, int iSkipIndex) {
    return AnyInstance(oProject, iSkipIndex, [](const TZEPInstance& o) { return IsFlagSet(o.bModal); });
}

bool IsAdditionalContentUsed(const TZEPProject& oProject, const TZEPInstance* oExclude) {
    return AnyInstance(oProject, -1,
                       [oExclude](const TZEPInstance& o) { return &o != oExclude && o.ContentStrings.Count() > 1; });
}

QStringList CombinedBinaryFileList(const TZEPProject& oProject) {
    QStringList files;
    QSet<QString> seen;
    for (const TInstanceList::TEntry& entry : oProject.InstanceList) {
        if (!entry.oInstance)
            continue;
        for (const QString& sFile : entry.oInstance->BinaryGraphicFiles) {
            const QString sKey = sFile.toCaseFolded();
            if (!seen.contains(sKey)) {
                seen.insert(sKey);
                files.append(sFile);
            }
        }
    }
    return files;
}
