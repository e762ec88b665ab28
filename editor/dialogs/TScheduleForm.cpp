#include "TScheduleForm.h"

#include "TDialogControls.h"
#include "TZEPInstance.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeZone>
#include <QVBoxLayout>

namespace {

const char* const aDayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const QString sDateForm = QStringLiteral("yyyy-MM-dd");
const QString sTimeForm = QStringLiteral("HH:mm");
const QString sOwnClock = QStringLiteral("Visitor's own clock");
// The earliest moment an editor offers stands for "no start" or "no end".
const QDateTime NoMoment(QDate(2000, 1, 1), QTime(0, 0));

QDateTimeEdit* NewMomentEdit(const char* sName, const QString& sNone, QWidget* parent) {
    auto* edit = new QDateTimeEdit(parent);
    edit->setObjectName(QLatin1String(sName));
    edit->setDisplayFormat(sDateForm + u' ' + sTimeForm);
    edit->setMinimumDateTime(NoMoment);
    edit->setSpecialValueText(sNone);
    edit->setCalendarPopup(true);
    return edit;
}

QTimeEdit* NewTimeEdit(const char* sName, QWidget* parent) {
    auto* edit = new QTimeEdit(parent);
    edit->setObjectName(QLatin1String(sName));
    edit->setDisplayFormat(sTimeForm);
    return edit;
}

QSpinBox* NewNumber(const char* sName, int iLowest, int iHighest, QWidget* parent) {
    auto* edit = new QSpinBox(parent);
    edit->setObjectName(QLatin1String(sName));
    edit->setRange(iLowest, iHighest);
    return edit;
}

void ShowMoment(QDateTimeEdit* edit, const QString& sDate, const QString& sTime) {
    const QDate date = QDate::fromString(sDate, sDateForm);
    const QTime time = QTime::fromString(sTime.isEmpty() ? QStringLiteral("00:00") : sTime, sTimeForm);
    edit->setDateTime(date.isValid() ? QDateTime(date, time.isValid() ? time : QTime(0, 0)) : NoMoment);
}

void ReadMoment(const QDateTimeEdit* edit, QString& sDate, QString& sTime) {
    const QDateTime moment = edit->dateTime();
    sDate = moment == NoMoment ? QString() : moment.date().toString(sDateForm);
    sTime = moment.time().toString(sTimeForm);
}

// The zones this computer knows by their IANA names, in alphabetical order.
QStringList ZoneNames() {
    QStringList names;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        if (id.contains('/') || id == "UTC")
            names << QString::fromLatin1(id);
    }
    names.sort();
    return names;
}

using TTextField = QString TPopupSchedule::*;
using TNumberField = int TPopupSchedule::*;
const TTextField aTextFields[] = {&TPopupSchedule::sStartDate, &TPopupSchedule::sStartTime, &TPopupSchedule::sEndDate,
                                  &TPopupSchedule::sEndTime,   &TPopupSchedule::sWeekdays,  &TPopupSchedule::sFromTime,
                                  &TPopupSchedule::sToTime,    &TPopupSchedule::sTimeZone};
const TNumberField aNumberFields[] = {&TPopupSchedule::iAfterPageViews, &TPopupSchedule::iMaxShows,
                                      &TPopupSchedule::iMaxShowsDays, &TPopupSchedule::iPriority};

} // namespace

TScheduleForm::TScheduleForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ScheduleForm"));
    setWindowTitle(QStringLiteral("Schedule and Limits"));
    setModal(true);
    OKBtn = NewButton("OKBtn", QStringLiteral("OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = NewButton("CancelBtn", QStringLiteral("Cancel"), this);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildScheduleGroup());
    layout->addWidget(BuildLimitsGroup());
    layout->addStretch(1);
    layout->addLayout(NewButtonRow(OKBtn, CancelBtn));
    ShowSchedule(TPopupSchedule());
}

QWidget* TScheduleForm::BuildScheduleGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Schedule "), this);
    ScheduleBox = NewCheckBox("ScheduleBox", QStringLiteral("Only between these dates and times"), group);
    StartEdit = NewMomentEdit("StartEdit", QStringLiteral("No start"), group);
    EndEdit = NewMomentEdit("EndEdit", QStringLiteral("No end"), group);
    auto* days = new QHBoxLayout;
    for (size_t i = 0; i < DayBoxes.size(); ++i) {
        const QString sDay = QLatin1String(aDayNames[i]);
        DayBoxes[i] = NewCheckBox(aDayNames[i], sDay, group);
        days->addWidget(DayBoxes[i]);
    }
    AllDayBox = NewCheckBox("AllDayBox", QStringLiteral("All day"), group);
    FromTimeEdit = NewTimeEdit("FromTimeEdit", group);
    ToTimeEdit = NewTimeEdit("ToTimeEdit", group);
    TimeZoneListBox = new QComboBox(group);
    TimeZoneListBox->setObjectName(QStringLiteral("TimeZoneListBox"));
    TimeZoneListBox->addItem(sOwnClock);
    TimeZoneListBox->addItems(ZoneNames());
    for (QCheckBox* box : {ScheduleBox, AllDayBox})
        connect(box, &QCheckBox::toggled, this, &TScheduleForm::ChangeEditability);

    auto* layout = new QGridLayout(group);
    layout->addWidget(ScheduleBox, 0, 0, 1, 4);
    layout->addWidget(NewLabelFor(QStringLiteral("From:"), StartEdit, group), 1, 0);
    layout->addWidget(StartEdit, 1, 1);
    layout->addWidget(NewLabelFor(QStringLiteral("Until:"), EndEdit, group), 1, 2);
    layout->addWidget(EndEdit, 1, 3);
    layout->addLayout(days, 2, 0, 1, 4);
    layout->addWidget(NewLabelFor(QStringLiteral("Daily from:"), FromTimeEdit, group), 3, 0);
    layout->addWidget(FromTimeEdit, 3, 1);
    layout->addWidget(NewLabelFor(QStringLiteral("to:"), ToTimeEdit, group), 3, 2);
    layout->addWidget(ToTimeEdit, 3, 3);
    layout->addWidget(AllDayBox, 4, 1);
    layout->addWidget(NewLabelFor(QStringLiteral("Time zone:"), TimeZoneListBox, group), 5, 0);
    layout->addWidget(TimeZoneListBox, 5, 1, 1, 3);
    return group;
}

QWidget* TScheduleForm::BuildLimitsGroup() {
    auto* group = new QGroupBox(QStringLiteral(" Limits "), this);
    AfterPageViewsEdit = NewNumber("AfterPageViewsEdit", 0, 999, group);
    AfterPageViewsEdit->setSpecialValueText(QStringLiteral("Every page view"));
    MaxShowsEdit = NewNumber("MaxShowsEdit", 0, 999, group);
    MaxShowsEdit->setSpecialValueText(QStringLiteral("No limit"));
    MaxShowsDaysEdit = NewNumber("MaxShowsDaysEdit", 1, 999, group);
    PriorityEdit = NewNumber("PriorityEdit", 0, 99, group);

    auto* layout = new QGridLayout(group);
    layout->addWidget(NewLabelFor(QStringLiteral("Only from page view:"), AfterPageViewsEdit, group), 0, 0);
    layout->addWidget(AfterPageViewsEdit, 0, 1);
    layout->addWidget(NewLabelFor(QStringLiteral("At most:"), MaxShowsEdit, group), 1, 0);
    layout->addWidget(MaxShowsEdit, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("shows"), group), 1, 2);
    layout->addWidget(NewLabelFor(QStringLiteral("in"), MaxShowsDaysEdit, group), 1, 3);
    layout->addWidget(MaxShowsDaysEdit, 1, 4);
    layout->addWidget(new QLabel(QStringLiteral("days"), group), 1, 5);
    layout->addWidget(NewLabelFor(QStringLiteral("Priority:"), PriorityEdit, group), 2, 0);
    layout->addWidget(PriorityEdit, 2, 1);
    return group;
}

void TScheduleForm::ShowInstance(const TZEPInstance& oInstance) {
    Shown = oInstance.Schedule;
    ShowSchedule(Shown);
    Displayed = ReadControls();
}

void TScheduleForm::ShowSchedule(const TPopupSchedule& s) {
    ScheduleBox->setChecked(s.bScheduleSelected == 1);
    ShowMoment(StartEdit, s.sStartDate, s.sStartTime);
    ShowMoment(EndEdit, s.sEndDate, s.sEndTime);
    for (size_t i = 0; i < DayBoxes.size(); ++i)
        DayBoxes[i]->setChecked(qsizetype(i) >= s.sWeekdays.size() || s.sWeekdays.at(qsizetype(i)) != u'0');
    AllDayBox->setChecked(s.sFromTime.isEmpty() && s.sToTime.isEmpty());
    FromTimeEdit->setTime(QTime::fromString(s.sFromTime, sTimeForm));
    ToTimeEdit->setTime(QTime::fromString(s.sToTime, sTimeForm));
    int iZone = s.sTimeZone.isEmpty() ? 0 : TimeZoneListBox->findText(s.sTimeZone);
    if (iZone < 0) {
        // A zone this computer does not know stays offered, so it is not lost.
        TimeZoneListBox->addItem(s.sTimeZone);
        iZone = TimeZoneListBox->count() - 1;
    }
    TimeZoneListBox->setCurrentIndex(iZone);
    AfterPageViewsEdit->setValue(s.iAfterPageViews);
    MaxShowsEdit->setValue(s.iMaxShows);
    MaxShowsDaysEdit->setValue(s.iMaxShowsDays);
    PriorityEdit->setValue(s.iPriority);
    ChangeEditability();
}

TPopupSchedule TScheduleForm::ReadControls() const {
    TPopupSchedule s;
    s.bScheduleSelected = ScheduleBox->isChecked() ? 1 : 0;
    ReadMoment(StartEdit, s.sStartDate, s.sStartTime);
    ReadMoment(EndEdit, s.sEndDate, s.sEndTime);
    s.sWeekdays.clear();
    for (const QCheckBox* box : DayBoxes)
        s.sWeekdays += box->isChecked() ? u'1' : u'0';
    if (!AllDayBox->isChecked()) {
        s.sFromTime = FromTimeEdit->time().toString(sTimeForm);
        s.sToTime = ToTimeEdit->time().toString(sTimeForm);
    }
    s.sTimeZone = TimeZoneListBox->currentIndex() > 0 ? TimeZoneListBox->currentText() : QString();
    s.iAfterPageViews = AfterPageViewsEdit->value();
    s.iMaxShows = MaxShowsEdit->value();
    s.iMaxShowsDays = MaxShowsDaysEdit->value();
    s.iPriority = PriorityEdit->value();
    return s;
}

void TScheduleForm::StoreInstance(TZEPInstance& oInstance) const {
    const TPopupSchedule current = ReadControls();
    TPopupSchedule stored = current;
    for (const TTextField field : aTextFields) {
        if (current.*field == Displayed.*field)
            stored.*field = Shown.*field;
    }
    for (const TNumberField field : aNumberFields) {
        if (current.*field == Displayed.*field)
            stored.*field = Shown.*field;
    }
    oInstance.Schedule = stored;
}

void TScheduleForm::ChangeEditability() {
    const bool bSchedule = ScheduleBox->isChecked();
    for (QWidget* control : {static_cast<QWidget*>(StartEdit), static_cast<QWidget*>(EndEdit),
                             static_cast<QWidget*>(AllDayBox), static_cast<QWidget*>(TimeZoneListBox)})
        control->setEnabled(bSchedule);
    for (QCheckBox* box : DayBoxes)
        box->setEnabled(bSchedule);
    FromTimeEdit->setEnabled(bSchedule && !AllDayBox->isChecked());
    ToTimeEdit->setEnabled(bSchedule && !AllDayBox->isChecked());
}

void TScheduleForm::showEvent(QShowEvent* event) {
    Remembered = ReadControls();
    ChangeEditability();
    QDialog::showEvent(event);
}

void TScheduleForm::done(int iResult) {
    if (iResult != QDialog::Accepted)
        ShowSchedule(Remembered);
    QDialog::done(iResult);
}
