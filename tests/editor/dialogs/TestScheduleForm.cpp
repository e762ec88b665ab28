#include "AdvancedTestSupport.h"
#include "TScheduleForm.h"
#include "TZEPInstance.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>

#include <gtest/gtest.h>

namespace {

TPopupSchedule EverySetting() {
    return {1, "2026-12-01", "08:30", "2026-12-31", "00:00", "1111100", "22:00", "02:00", "America/New_York", 3, 2, 7,
            99};
}

class ScheduleDialog : public ::testing::Test {
protected:
    void SetUp() override { Form.ShowInstance(Instance); }
    template <class TControl> TControl* Named(const char* sName) const {
        for (TControl* control : Form.findChildren<TControl*>())
            if (control->accessibleName() == QLatin1String(sName))
                return control;
        ADD_FAILURE() << "no control named " << sName;
        return nullptr;
    }
    TPopupSchedule Stored() const {
        TZEPInstance stored(nullptr);
        Form.StoreInstance(stored);
        return stored.Schedule;
    }
    // Sets every control as the user would for EverySetting().
    void EnterEverySetting() {
        Named<QCheckBox>("Only between these dates and times")->setChecked(true);
        Named<QDateTimeEdit>("From:")->setDateTime(QDateTime(QDate(2026, 12, 1), QTime(8, 30)));
        Named<QDateTimeEdit>("Until:")->setDateTime(QDateTime(QDate(2026, 12, 31), QTime(0, 0)));
        for (const char* sDay : {"Sat", "Sun"})
            Named<QCheckBox>(sDay)->setChecked(false);
        Named<QCheckBox>("All day")->setChecked(false);
        Named<QTimeEdit>("Daily from:")->setTime(QTime(22, 0));
        Named<QTimeEdit>("to:")->setTime(QTime(2, 0));
        QComboBox* zones = Named<QComboBox>("Time zone:");
        zones->setCurrentIndex(zones->findText(QStringLiteral("America/New_York")));
        Named<QSpinBox>("Only from page view:")->setValue(3);
        Named<QSpinBox>("At most:")->setValue(2);
        Named<QSpinBox>("in")->setValue(7);
        Named<QSpinBox>("Priority:")->setValue(99);
    }

    TZEPInstance Instance{nullptr};
    TScheduleForm Form;
    TDialogServices Services;
};

TEST_F(ScheduleDialog, EveryControlIsFoundByItsNameAndTheDefaultsShow) {
    EXPECT_EQ(Form.windowTitle(), "Schedule and Limits");
    EXPECT_FALSE(Named<QCheckBox>("Only between these dates and times")->isChecked());
    EXPECT_EQ(Named<QDateTimeEdit>("From:")->text(), "No start");
    EXPECT_EQ(Named<QDateTimeEdit>("Until:")->text(), "No end");
    for (const char* sDay : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"})
        EXPECT_TRUE(Named<QCheckBox>(sDay)->isChecked()) << sDay;
    EXPECT_TRUE(Named<QCheckBox>("All day")->isChecked());
    EXPECT_FALSE(Named<QTimeEdit>("Daily from:")->isEnabled());
    EXPECT_FALSE(Named<QTimeEdit>("to:")->isEnabled());
    QComboBox* zones = Named<QComboBox>("Time zone:");
    EXPECT_EQ(zones->currentText(), "Visitor's own clock");
    EXPECT_EQ(zones->itemText(0), "Visitor's own clock");
    EXPECT_GE(zones->findText(QStringLiteral("Europe/Berlin")), 1);
    EXPECT_FALSE(zones->isEnabled()) << "the schedule is off";
    EXPECT_EQ(Named<QSpinBox>("Only from page view:")->value(), 0);
    EXPECT_EQ(Named<QSpinBox>("in")->value(), 1);
    EXPECT_EQ(Named<QPushButton>("OK")->text(), "OK");
    EXPECT_EQ(Named<QPushButton>("Cancel")->text(), "Cancel");
    EXPECT_EQ(Stored(), TPopupSchedule());
}

TEST_F(ScheduleDialog, OkStoresEveryControl) {
    EXPECT_EQ(Services.Run(
                  Form, [this] { EnterEverySetting(); }, Form.OKBtn),
              QDialog::Accepted);
    EXPECT_EQ(Stored(), EverySetting());
    EXPECT_TRUE(Named<QTimeEdit>("Daily from:")->isEnabled());
}

TEST_F(ScheduleDialog, CancelRestoresEveryControl) {
    Instance.Schedule = EverySetting();
    Form.ShowInstance(Instance);
    auto change = [this] {
        Named<QCheckBox>("Only between these dates and times")->setChecked(false);
        Named<QDateTimeEdit>("From:")->setDateTime(QDateTime(QDate(2027, 1, 1), QTime(1, 0)));
        Named<QCheckBox>("Sat")->setChecked(true);
        Named<QCheckBox>("All day")->setChecked(true);
        Named<QComboBox>("Time zone:")->setCurrentIndex(0);
        Named<QSpinBox>("Priority:")->setValue(1);
    };
    EXPECT_EQ(Services.Run(Form, change, Form.CancelBtn), QDialog::Rejected);
    EXPECT_EQ(Stored(), EverySetting());
    EXPECT_EQ(Named<QTimeEdit>("Daily from:")->time(), QTime(22, 0));
}

TEST_F(ScheduleDialog, ValuesTheControlsCannotShowStayUntilTheirControlChanges) {
    Instance.Schedule.sStartDate = "1.12.2026";
    Instance.Schedule.sTimeZone = "Mars/Olympus";
    Form.ShowInstance(Instance);
    EXPECT_EQ(Stored(), Instance.Schedule);
    EXPECT_EQ(Named<QComboBox>("Time zone:")->currentText(), "Mars/Olympus");
    Named<QDateTimeEdit>("From:")->setDateTime(QDateTime(QDate(2026, 12, 1), QTime(0, 0)));
    EXPECT_EQ(Stored().sStartDate, "2026-12-01");
    EXPECT_EQ(Stored().sTimeZone, "Mars/Olympus");
}

} // namespace
