#include "InstanceFields.h"

#include "TZEPInstance.h"

namespace InstanceFields {

std::vector<TFieldChange> Differences(const TZEPInstance& before, const TZEPInstance& after) {
    std::vector<TFieldChange> changes;
    const auto oldTexts = before.SettingTexts();
    const auto newTexts = after.SettingTexts();
    for (qsizetype i = 0; i < oldTexts.size() && i < newTexts.size(); ++i)
        if (oldTexts[i].second != newTexts[i].second)
            changes.push_back({oldTexts[i].first, oldTexts[i].second, newTexts[i].second});
    if (before.HTMLFile != after.HTMLFile)
        changes.push_back({sHTMLField, before.HTMLFile, after.HTMLFile});
    if (!(before.Schedule == after.Schedule))
        changes.push_back({sScheduleField, QVariant::fromValue(before.Schedule), QVariant::fromValue(after.Schedule)});
    return changes;
}

bool Assign(TZEPInstance& instance, const QString& sKey, const QVariant& value) {
    if (sKey == sHTMLField) {
        instance.HTMLFile = value.toStringList();
        return true;
    }
    if (sKey == sScheduleField) {
        instance.Schedule = value.value<TPopupSchedule>();
        return true;
    }
    return instance.SetSettingText(sKey, value.toString());
}

void Refresh(TZEPInstance& instance) {
    instance.UpdateContentFromHTML();
}

} // namespace InstanceFields
