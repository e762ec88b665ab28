#pragma once

#include <QString>
#include <QtGlobal>

// When a popup may show, beyond the frequency rules: a schedule of dates,
// weekdays and a daily window read in a time zone, the page view from which it
// shows, a limit on its shows in a sliding number of days, and its priority
// when the project shows at most one popup per page view. The members hold the
// defaults that a project file without these keys reads, so a record that
// equals TPopupSchedule{} has nothing to save.
struct TPopupSchedule {
    // The dates, weekdays, daily window and time zone apply only when set;
    // the page views, the show limit and the priority always apply.
    quint8 bScheduleSelected = 0;
    QString sStartDate; // "YYYY-MM-DD"; empty: no start
    QString sStartTime = QStringLiteral("00:00");
    QString sEndDate; // empty: no end; the end itself is left out
    QString sEndTime = QStringLiteral("00:00");
    QString sWeekdays = QStringLiteral("1111111"); // Monday first
    QString sFromTime;                             // daily window, both empty: all day
    QString sToTime;                               // left out; earlier than sFromTime: over midnight
    QString sTimeZone;                             // IANA name; empty: the visitor's own clock
    int iAfterPageViews = 0;                       // 0: off
    int iMaxShows = 0;                             // 0: off
    int iMaxShowsDays = 1;
    int iPriority = 0;

    bool operator==(const TPopupSchedule&) const = default;
};
