#include "ModelTestFiles.h"
#include "TProfileFile.h"
#include "TZEPProject.h"

#include <QTemporaryDir>

namespace {

// A multi-popup project of two popups in a temporary folder, saved and loaded
// through the project file.
class PopupSchedule : public ::testing::Test {
protected:
    void SetUp() override {
        project.sFullProjectName = dir.filePath("site.zrj");
        project.bMultipleInstances = 1;
        for (const char* sID : {"one", "two"}) {
            auto oInstance = project.CreateInstance();
            oInstance->sUniqueID = sID;
            oInstance->HTMLFile = {sID};
            oInstance->UpdateContentFromHTML();
            project.InstanceList.Add(std::move(oInstance));
        }
    }
    TZEPInstance& Popup(int i) { return project.InstanceList.Instance(i); }
    QByteArray Save() {
        TProfileFile file(project.sFullProjectName);
        EXPECT_TRUE(project.SaveToIniFile(file) && file.UpdateFile()) << project.GetLastError().toStdString();
        return ReadWholeFile(project.sFullProjectName);
    }
    void Reload(TZEPProject& loaded) {
        loaded.sFullProjectName = project.sFullProjectName;
        TProfileFile file(project.sFullProjectName);
        ASSERT_TRUE(loaded.LoadFromIniFile(file, false)) << loaded.GetLastError().toStdString();
    }

    QTemporaryDir dir;
    TZEPProject project;
};

TPopupSchedule EverySetting() {
    TPopupSchedule s;
    s.bScheduleSelected = 1;
    s.sStartDate = "2026-12-01";
    s.sStartTime = "08:30";
    s.sEndDate = "2026-12-31";
    s.sEndTime = "23:59";
    s.sWeekdays = "1111100";
    s.sFromTime = "22:00";
    s.sToTime = "02:00";
    s.sTimeZone = "Europe/Berlin";
    s.iAfterPageViews = 3;
    s.iMaxShows = 2;
    s.iMaxShowsDays = 7;
    s.iPriority = 99;
    return s;
}

} // namespace

TEST_F(PopupSchedule, ProjectWithoutTheSettingsSavesWithoutThemAndByteIdenticallyAgain) {
    const QByteArray first = Save();
    EXPECT_FALSE(first.contains("SCHEDULE"));
    EXPECT_FALSE(first.contains("OnePopupPerPage"));
    TZEPProject loaded;
    Reload(loaded);
    EXPECT_EQ(loaded.InstanceList.Instance(1).Schedule, TPopupSchedule());
    EXPECT_EQ(loaded.bOnePopupPerPage, 0);
    loaded.sFullProjectName = project.sFullProjectName;
    TProfileFile file(project.sFullProjectName);
    ASSERT_TRUE(loaded.SaveToIniFile(file));
    EXPECT_FALSE(file.IsModified());
}

TEST_F(PopupSchedule, EveryKeyIsWrittenInOrderUnderTheSuffixAndReadBack) {
    Popup(1).Schedule = EverySetting();
    project.bOnePopupPerPage = 1;
    const QByteArray text = Save();
    EXPECT_FALSE(text.contains("[SCHEDULE0]"));
    EXPECT_TRUE(text.contains("[SCHEDULE1]\r\n"
                              "ScheduleSelected=1\r\n"
                              "StartDate=2026-12-01\r\n"
                              "StartTime=08:30\r\n"
                              "EndDate=2026-12-31\r\n"
                              "EndTime=23:59\r\n"
                              "Weekdays=1111100\r\n"
                              "FromTime=22:00\r\n"
                              "ToTime=02:00\r\n"
                              "TimeZone=Europe/Berlin\r\n"
                              "AfterPageViews=3\r\n"
                              "MaxShows=2\r\n"
                              "MaxShowsDays=7\r\n"
                              "Priority=99\r\n"));
    EXPECT_TRUE(text.contains("InitialisationOption=0\r\nOnePopupPerPage=1\r\n"));
    TZEPProject loaded;
    Reload(loaded);
    EXPECT_EQ(loaded.InstanceList.Instance(1).Schedule, EverySetting());
    EXPECT_EQ(loaded.InstanceList.Instance(0).Schedule, TPopupSchedule());
    EXPECT_EQ(loaded.bOnePopupPerPage, 1);
}

TEST_F(PopupSchedule, AbsentKeysTakeTheDefaultsAndAnEmptyTextStaysEmpty) {
    Save();
    TProfileFile file(project.sFullProjectName);
    file.WriteString("SCHEDULE0", "Priority", "5");
    file.WriteString("SCHEDULE0", "FromTime", "");
    file.WriteString("SCHEDULE0", "StartTime", "");
    ASSERT_TRUE(file.UpdateFile());
    TZEPProject loaded;
    Reload(loaded);
    TPopupSchedule expected;
    expected.iPriority = 5;
    expected.sStartTime.clear();
    EXPECT_EQ(loaded.InstanceList.Instance(0).Schedule, expected);
}

TEST_F(PopupSchedule, SavingNeverDropsTheSectionOrTheOptionOnceTheFileHasThem) {
    Popup(0).Schedule = EverySetting();
    project.bOnePopupPerPage = 1;
    Save();
    // The first popup goes; the second takes its number and its defaults
    // replace the values that the file kept for that number.
    project.InstanceList.Delete(0);
    project.bOnePopupPerPage = 0;
    const QByteArray text = Save();
    EXPECT_TRUE(text.contains("[SCHEDULE0]\r\nScheduleSelected=0\r\nStartDate=\r\nStartTime=00:00\r\n"));
    EXPECT_TRUE(text.contains("OnePopupPerPage=0\r\n"));
    TZEPProject loaded;
    Reload(loaded);
    EXPECT_EQ(loaded.InstanceList.Instance(0).Schedule, TPopupSchedule());
}
