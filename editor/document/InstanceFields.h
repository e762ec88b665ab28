#pragma once

#include <QString>
#include <QVariant>

#include <vector>

class TZEPInstance;

// The fields of a popup that the designer edits: every key of its settings
// (the table that reads and writes the project file), its HTML lines and its
// schedule.
namespace InstanceFields {

// The names under which the HTML lines and the schedule are compared and restored.
inline const QString sHTMLField = QStringLiteral("HTML");
inline const QString sScheduleField = QStringLiteral("Schedule");

// One field's value before and after a change.
struct TFieldChange {
    QString sKey;
    QVariant OldValue;
    QVariant NewValue;
};

// The fields whose values differ between the two records, in table order.
std::vector<TFieldChange> Differences(const TZEPInstance& before, const TZEPInstance& after);
// Sets the field of the key; content item 0 follows after Refresh.
bool Assign(TZEPInstance& instance, const QString& sKey, const QVariant& value);
// Refreshes what follows from the fields (content item 0).
void Refresh(TZEPInstance& instance);

} // namespace InstanceFields
