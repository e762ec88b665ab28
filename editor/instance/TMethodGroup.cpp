#include "TMethodGroup.h"

#include "EditorControls.h"
#include "ZEPTypes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QComboBox* NewList(QWidget* parent, const char* sName, const char* sAccessibleName, const QStringList& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromUtf8(sName));
    list->setAccessibleName(QString::fromUtf8(sAccessibleName));
    list->addItems(items);
    return list;
}

// A delay: its check box, the field for the seconds and the unit.
QHBoxLayout* DelayRow(QWidget* parent, QCheckBox* box, QLineEdit* edit) {
    edit->setAccessibleDescription(QStringLiteral("seconds"));
    edit->setMaximumWidth(44);
    auto* row = new QHBoxLayout;
    row->addWidget(box);
    row->addWidget(edit);
    row->addWidget(new QLabel(QStringLiteral("s"), parent));
    row->addStretch();
    return row;
}

} // namespace

TMethodGroup::TMethodGroup(QWidget* parent) : QGroupBox(QStringLiteral("Method"), parent) {
    setObjectName(QStringLiteral("MethodGroup"));
    OpenAfterBox = NewCheckBox(this, "OpenAfterBox", "Open after", "Open After Time Interval");
    OpenAfterEdit =
        NewEdit(this, "OpenAfterEdit", OpenAfterBox->accessibleName(), iDelayLength, "Open After Time Interval");
    CloseAfterBox = NewCheckBox(this, "CloseAfterBox", "Close after", "Close After Time Interval");
    CloseAfterEdit =
        NewEdit(this, "CloseAfterEdit", CloseAfterBox->accessibleName(), iDelayLength, "Close After Time Interval");
    PerSessionBox = NewCheckBox(this, "PerSessionBox", "Per-session", "Once per Session");
    EntryEffectListBox = NewList(this, "EntryEffectListBox", "Entry effect", EntryEffectNames());
    ExitEffectListBox = NewList(this, "ExitEffectListBox", "Exit effect", ExitEffectNames());
    OnExitBox = NewCheckBox(this, "OnExitBox", "On-exit", "");
    ModalBox = NewCheckBox(this, "ModalBox", "Grey-out", "");
    auto* linksLabel = new QLabel(QStringLiteral("Text or image links:"), this);
    OnClickBox = NewCheckBox(this, "OnClickBox", "On-click", "On-click");
    MouseOverBox = NewCheckBox(this, "MouseOverBox", "Mouse-over", "Mouse-over");
    MouseOutBox = NewCheckBox(this, "MouseOutBox", "Mouse-out", "Mouse-out");
    for (QCheckBox* box : {OnClickBox, MouseOverBox, MouseOutBox})
        box->setAccessibleDescription(linksLabel->text());
    AdvancedMethodsBtn = new QPushButton(QStringLiteral("Advanced..."), this);
    AdvancedMethodsBtn->setObjectName(QStringLiteral("AdvancedMethodsBtn"));
    AdvancedMethodsBtn->setAccessibleName(AdvancedMethodsBtn->text());
    AdvancedMethodsBtn->setAccessibleDescription(QStringLiteral("Advanced method options"));
    ScheduleBtn = new QPushButton(QStringLiteral("Schedule..."), this);
    ScheduleBtn->setObjectName(QStringLiteral("ScheduleBtn"));
    ScheduleBtn->setAccessibleName(ScheduleBtn->text());
    ScheduleBtn->setAccessibleDescription(QStringLiteral("Schedule and Limits"));
    SetHint(ScheduleBtn, QStringLiteral("Schedule and Limits"));

    auto* layout = new QGridLayout(this);
    layout->addLayout(DelayRow(this, OpenAfterBox, OpenAfterEdit), 0, 0);
    layout->addLayout(DelayRow(this, CloseAfterBox, CloseAfterEdit), 0, 1, 1, 2);
    layout->addWidget(PerSessionBox, 1, 0);
    layout->addWidget(OnExitBox, 1, 1);
    layout->addWidget(ModalBox, 1, 2);
    layout->addWidget(EntryEffectListBox, 2, 0);
    layout->addWidget(ExitEffectListBox, 2, 1, 1, 2);
    layout->addWidget(linksLabel, 3, 0, 1, 3);
    layout->addWidget(OnClickBox, 4, 0);
    layout->addWidget(MouseOverBox, 4, 1);
    layout->addWidget(MouseOutBox, 4, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ScheduleBtn);
    buttons->addWidget(AdvancedMethodsBtn);
    layout->addLayout(buttons, 5, 0, 1, 3);
}
