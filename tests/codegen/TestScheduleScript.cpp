// A popup's schedule and limits: what the compile refuses, what the
// constructor passes, and the one-popup-per-page statement.

#include <gtest/gtest.h>

#include <functional>

#include "CompileChecks.h"
#include "ConstructorGenerator.h"
#include "GeneratorTestSupport.h"
#include "ScheduleScript.h"
#include "ScriptContext.h"

namespace {

struct TScheduleCase {
    const char* sName;
    std::function<void(TPopupSchedule&)> Setup;
    const char* sRefusal; // empty: accepted
};

const TScheduleCase aScheduleChecks[] = {
    {"Defaults", [](TPopupSchedule&) {}, ""},
    {"FullSchedule",
     [](TPopupSchedule& s) {
         s = {1, "2026-12-01", "08:30", "2026-12-31", "00:00", "1111100", "22:00", "02:00", "America/New_York", 3, 2, 7,
              99};
     },
     ""},
    {"ImpossibleDate", [](TPopupSchedule& s) { s.sStartDate = "2026-02-30"; },
     "Compile Error : Popup <promo>: invalid StartDate <2026-02-30>"},
    {"DateInAnotherForm", [](TPopupSchedule& s) { s.sEndDate = "31.12.2026"; },
     "Compile Error : Popup <promo>: invalid EndDate <31.12.2026>"},
    {"HourPastTheDay", [](TPopupSchedule& s) { s.sStartTime = "24:00"; },
     "Compile Error : Popup <promo>: invalid StartTime <24:00>"},
    {"TimeWithoutLeadingZero", [](TPopupSchedule& s) { s.sEndTime = "9:00"; },
     "Compile Error : Popup <promo>: invalid EndTime <9:00>"},
    {"WeekdaysTooShort", [](TPopupSchedule& s) { s.sWeekdays = "111110"; },
     "Compile Error : Popup <promo>: invalid Weekdays <111110>"},
    {"WeekdaysAsNames", [](TPopupSchedule& s) { s.sWeekdays = "MTWTFSS"; },
     "Compile Error : Popup <promo>: invalid Weekdays <MTWTFSS>"},
    {"UnknownZone", [](TPopupSchedule& s) { s.sTimeZone = "Mars/Olympus"; },
     "Compile Error : Popup <promo>: invalid TimeZone <Mars/Olympus>"},
    {"ZoneBreakingTheString", [](TPopupSchedule& s) { s.sTimeZone = "Europe/Berlin\",alert(1),\""; },
     "Compile Error : Popup <promo>: invalid TimeZone <Europe/Berlin\",alert(1),\">"},
    {"WindowWithoutEnd", [](TPopupSchedule& s) { s.sFromTime = "09:00"; },
     "Compile Error : Popup <promo>: FromTime and ToTime must both be set or both be empty"},
    {"WindowWithoutStart", [](TPopupSchedule& s) { s.sToTime = "17:00"; },
     "Compile Error : Popup <promo>: FromTime and ToTime must both be set or both be empty"},
    {"InvalidEvenWhenOff",
     [](TPopupSchedule& s) {
         s.bScheduleSelected = 0;
         s.sFromTime = "9";
     },
     "Compile Error : Popup <promo>: invalid FromTime <9>"},
    {"PageViewsTooMany", [](TPopupSchedule& s) { s.iAfterPageViews = 1000; },
     "Compile Error : Popup <promo>: AfterPageViews <1000> is outside 0 to 999"},
    {"NoDaysForTheLimit", [](TPopupSchedule& s) { s.iMaxShowsDays = 0; },
     "Compile Error : Popup <promo>: MaxShowsDays <0> is outside 1 to 999"},
    {"NegativeShows", [](TPopupSchedule& s) { s.iMaxShows = -1; },
     "Compile Error : Popup <promo>: MaxShows <-1> is outside 0 to 999"},
    {"PriorityTooHigh", [](TPopupSchedule& s) { s.iPriority = 100; },
     "Compile Error : Popup <promo>: Priority <100> is outside 0 to 99"},
    {"EndBeforeStart",
     [](TPopupSchedule& s) {
         s.bScheduleSelected = 1;
         s.sStartDate = s.sEndDate = "2026-12-01";
         s.sStartTime = "10:00";
         s.sEndTime = "10:00";
     },
     "Compile Error : Popup <promo>: the schedule ends before it starts"},
    {"EndBeforeStartIgnoredWhenOff",
     [](TPopupSchedule& s) {
         s.sStartDate = "2026-12-02";
         s.sEndDate = "2026-12-01";
     },
     ""},
    {"EmptyDailyWindow",
     [](TPopupSchedule& s) {
         s.bScheduleSelected = 1;
         s.sFromTime = s.sToTime = "09:00";
     },
     "Compile Error : Popup <promo>: the daily window from 09:00 to 09:00 is empty"},
    {"NoWeekday",
     [](TPopupSchedule& s) {
         s.bScheduleSelected = 1;
         s.sWeekdays = "0000000";
     },
     "Compile Error : Popup <promo>: Weekdays <0000000> leaves no day"},
};

class ScheduleCheck : public ::testing::TestWithParam<TScheduleCase> {};

TEST_P(ScheduleCheck, RefusesWhatTheBrowserCouldNotReadNamingPopupAndKey) {
    TTestProject project;
    project.AddInstance(QStringLiteral("first"));
    GetParam().Setup(project.AddInstance(QStringLiteral("promo")).Schedule);
    EXPECT_EQ(CheckPopupsForScript(InstanceRefs(project.Project())), QString::fromUtf8(GetParam().sRefusal));
}

std::string CaseName(const ::testing::TestParamInfo<TScheduleCase>& info) {
    return info.param.sName;
}

INSTANTIATE_TEST_SUITE_P(Cases, ScheduleCheck, ::testing::ValuesIn(aScheduleChecks), CaseName);

struct TArgumentCase {
    const char* sName;
    std::function<void(TPopupSchedule&)> Setup;
    const char* sArgument;
};

const TArgumentCase aArguments[] = {
    {"NothingSet", [](TPopupSchedule&) {}, ""},
    {"ScheduleKeysWithoutTheSwitch",
     [](TPopupSchedule& s) {
         s.sStartDate = "2026-12-01";
         s.sWeekdays = "1111100";
         s.sTimeZone = "Europe/Berlin";
         s.iPriority = 7;
     },
     ""},
    {"SwitchAlone", [](TPopupSchedule& s) { s.bScheduleSelected = 1; }, ""},
    {"StartAndEnd",
     [](TPopupSchedule& s) {
         s.bScheduleSelected = 1;
         s.sStartDate = "2026-12-01";
         s.sEndDate = "2026-12-31";
         s.sEndTime.clear();
     },
     "{st:\"2026-12-01 00:00\",en:\"2026-12-31 00:00\"}"},
    {"WeekdaysWindowAndZone",
     [](TPopupSchedule& s) {
         s.bScheduleSelected = 1;
         s.sWeekdays = "1111100";
         s.sFromTime = "22:00";
         s.sToTime = "02:00";
         s.sTimeZone = "America/New_York";
     },
     "{wd:\"1111100\",ft:\"22:00\",tt:\"02:00\",tz:\"America/New_York\"}"},
    {"LimitsWhateverTheSwitch",
     [](TPopupSchedule& s) {
         s.iAfterPageViews = 3;
         s.iMaxShows = 2;
         s.iMaxShowsDays = 7;
     },
     "{pv:3,ms:2,md:7}"},
};

class ScheduleArgumentText : public ::testing::TestWithParam<TArgumentCase> {};

TEST_P(ScheduleArgumentText, FollowsTheThirtyNineArgumentsOnlyWhenARuleIsSet) {
    TTestProject project;
    TZEPInstance& popup = project.AddInstance(QStringLiteral("promo"));
    const QString sPlain = CreateInstanceFunction(popup);
    GetParam().Setup(popup.Schedule);
    const QString sArgument = QString::fromUtf8(GetParam().sArgument);
    EXPECT_EQ(ScheduleArgument(popup), sArgument);
    const QString sExpected =
        sArgument.isEmpty() ? sPlain : sPlain.chopped(2) + QStringLiteral(", ") + sArgument + QStringLiteral(");");
    EXPECT_EQ(CreateInstanceFunction(popup), sExpected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ScheduleArgumentText, ::testing::ValuesIn(aArguments),
                         [](const ::testing::TestParamInfo<TArgumentCase>& info) { return info.param.sName; });

TEST(OnePerPage, ListsThePopupsThatShowByThemselvesWithTheirPriorities) {
    TTestProject project;
    TZEPProject& p = project.Project();
    project.AddInstance(QStringLiteral("at_once")).Schedule.iPriority = 2;
    project.AddInstance(QStringLiteral("clicked")).bOnClick = 1;
    project.AddInstance(QStringLiteral("tip")).bToolTip = 1;
    TZEPInstance& leaving = project.AddInstance(QStringLiteral("leaving"));
    leaving.bOnExit = 1;
    leaving.Schedule.iPriority = 9;
    EXPECT_EQ(OnePerPageStatement(p, InstanceRefs(p)), QString());
    p.bOnePopupPerPage = 1;
    EXPECT_EQ(OnePerPageStatement(p, InstanceRefs(p)),
              QStringLiteral("  QEL.zep.zepOnePerPage([[at_once,2],[leaving,9]]);"));
    leaving.bOnExit = 0;
    leaving.bMouseOver = 1;
    EXPECT_EQ(OnePerPageStatement(p, InstanceRefs(p)), QString()); // one competitor: nothing to choose
}

} // namespace
