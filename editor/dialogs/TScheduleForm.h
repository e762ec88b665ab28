#pragma once

#include "PopupSchedule.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QPushButton;
class QSpinBox;
class QTimeEdit;
class TZEPInstance;

// "Schedule and Limits": when the popup may show (between two moments, on
// some weekdays, in a daily window, read in a time zone), from which page view,
// how often in a number of days, and its priority when a page view shows one
// popup only. Like the advanced dialogs, its controls belong to the instance
// editor: the main window writes the shown popup into them and reads them
// back; the dialog puts them back when the user cancels.
class TScheduleForm : public QDialog {
    Q_OBJECT
public:
    explicit TScheduleForm(QWidget* parent = nullptr);

    QCheckBox* ScheduleBox = nullptr;
    QDateTimeEdit* StartEdit = nullptr;
    QDateTimeEdit* EndEdit = nullptr;
    std::array<QCheckBox*, 7> DayBoxes{}; // Monday first
    QCheckBox* AllDayBox = nullptr;
    QTimeEdit* FromTimeEdit = nullptr;
    QTimeEdit* ToTimeEdit = nullptr;
    QComboBox* TimeZoneListBox = nullptr;
    QSpinBox* AfterPageViewsEdit = nullptr;
    QSpinBox* MaxShowsEdit = nullptr;
    QSpinBox* MaxShowsDaysEdit = nullptr;
    QSpinBox* PriorityEdit = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    void ShowInstance(const TZEPInstance& oInstance);
    // Values the controls cannot show (a date the file holds in another form)
    // are kept while their control is left alone.
    void StoreInstance(TZEPInstance& oInstance) const;

    // The enabled states that follow the schedule and all-day boxes.
    void ChangeEditability();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int iResult) override;

private:
    QWidget* BuildScheduleGroup();
    QWidget* BuildLimitsGroup();
    void ShowSchedule(const TPopupSchedule& schedule);
    TPopupSchedule ReadControls() const;

    // The popup's values as shown, and the controls' reading of them.
    TPopupSchedule Shown;
    TPopupSchedule Displayed;
    // The controls when the dialog was shown, for Cancel.
    TPopupSchedule Remembered;
};
