#include "ScheduleScript.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>
#include <QTimeZone>

#include "TZEPProject.h"

namespace {

bool IsDateText(const QString& sText) {
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    return form.match(sText).hasMatch() && QDate::fromString(sText, QStringLiteral("yyyy-MM-dd")).isValid();
}

bool IsTimeText(const QString& sText) {
    static const QRegularExpression form(QStringLiteral("^([01]\\d|2[0-3]):[0-5]\\d$"));
    return form.match(sText).hasMatch();
}

bool IsWeekdaysText(const QString& sText) {
    static const QRegularExpression form(QStringLiteral("^[01]{7}$"));
    return form.match(sText).hasMatch();
}

// An IANA zone name that this computer's zone data knows; its characters are
// safe in a script string as they stand.
bool IsZoneText(const QString& sText) {
    static const QRegularExpression form(QStringLiteral("^[A-Za-z][A-Za-z0-9_+\\-]*(/[A-Za-z0-9_+\\-]+)*$"));
    return sText.isEmpty() || (form.match(sText).hasMatch() && QTimeZone::isTimeZoneIdAvailable(sText.toLatin1()));
}

QString PopupError(const TZEPInstance& oInstance, const QString& sProblem) {
    return QStringLiteral("Compile Error : Popup <") + oInstance.GetScriptName() + QStringLiteral(">: ") + sProblem;
}

QString InvalidText(const char* sKey, const QString& sValue) {
    return QStringLiteral("invalid ") + QLatin1String(sKey) + QStringLiteral(" <") + sValue + u'>';
}

// A time that may be left empty: empty reads as midnight.
QString TimeOrMidnight(const QString& sTime) {
    return sTime.isEmpty() ? QStringLiteral("00:00") : sTime;
}

QString SyntaxProblem(const TPopupSchedule& s) {
    const struct {
        const char* sKey;
        const QString& sValue;
        bool bValid;
    } texts[] = {
        {"StartDate", s.sStartDate, s.sStartDate.isEmpty() || IsDateText(s.sStartDate)},
        {"StartTime", s.sStartTime, s.sStartTime.isEmpty() || IsTimeText(s.sStartTime)},
        {"EndDate", s.sEndDate, s.sEndDate.isEmpty() || IsDateText(s.sEndDate)},
        {"EndTime", s.sEndTime, s.sEndTime.isEmpty() || IsTimeText(s.sEndTime)},
        {"Weekdays", s.sWeekdays, IsWeekdaysText(s.sWeekdays)},
        {"FromTime", s.sFromTime, s.sFromTime.isEmpty() || IsTimeText(s.sFromTime)},
        {"ToTime", s.sToTime, s.sToTime.isEmpty() || IsTimeText(s.sToTime)},
        {"TimeZone", s.sTimeZone, IsZoneText(s.sTimeZone)},
    };
    for (const auto& text : texts) {
        if (!text.bValid) {
            return InvalidText(text.sKey, text.sValue);
        }
    }
    if (s.sFromTime.isEmpty() != s.sToTime.isEmpty()) {
        return QStringLiteral("FromTime and ToTime must both be set or both be empty");
    }
    return QString();
}

QString RangeProblem(const TPopupSchedule& s) {
    const struct {
        const char* sKey;
        int iValue;
        int iLowest;
        int iHighest;
    } numbers[] = {
        {"AfterPageViews", s.iAfterPageViews, 0, 999},
        {"MaxShows", s.iMaxShows, 0, 999},
        {"MaxShowsDays", s.iMaxShowsDays, 1, 999},
        {"Priority", s.iPriority, 0, 99},
    };
    for (const auto& number : numbers) {
        if (number.iValue < number.iLowest || number.iValue > number.iHighest) {
            return QLatin1String(number.sKey) + QStringLiteral(" <") + QString::number(number.iValue) +
                   QStringLiteral("> is outside ") + QString::number(number.iLowest) + QStringLiteral(" to ") +
                   QString::number(number.iHighest);
        }
    }
    return QString();
}

// A schedule that no moment can meet would leave the popup unseen for good.
QString EmptyScheduleProblem(const TPopupSchedule& s) {
    if (s.bScheduleSelected != 1) {
        return QString();
    }
    if (!s.sStartDate.isEmpty() && !s.sEndDate.isEmpty() &&
        s.sEndDate + TimeOrMidnight(s.sEndTime) <= s.sStartDate + TimeOrMidnight(s.sStartTime)) {
        return QStringLiteral("the schedule ends before it starts");
    }
    if (!s.sFromTime.isEmpty() && s.sFromTime == s.sToTime) {
        return QStringLiteral("the daily window from ") + s.sFromTime + QStringLiteral(" to ") + s.sToTime +
               QStringLiteral(" is empty");
    }
    if (!s.sWeekdays.contains(u'1')) {
        return QStringLiteral("Weekdays <") + s.sWeekdays + QStringLiteral("> leaves no day");
    }
    return QString();
}

QString Quoted(const QString& sText) {
    return u'"' + sText + u'"';
}

} // namespace

QString CheckPopupSchedule(const TZEPInstance& oInstance) {
    const TPopupSchedule& s = oInstance.Schedule;
    for (const QString& sProblem : {SyntaxProblem(s), RangeProblem(s), EmptyScheduleProblem(s)}) {
        if (!sProblem.isEmpty()) {
            return PopupError(oInstance, sProblem);
        }
    }
    return QString();
}

QString ScheduleArgument(const TZEPInstance& oInstance) {
    const TPopupSchedule& s = oInstance.Schedule;
    const TPopupSchedule defaults;
    QStringList fields;
    if (s.bScheduleSelected == 1) {
        if (!s.sStartDate.isEmpty())
            fields << QStringLiteral("st:") + Quoted(s.sStartDate + u' ' + TimeOrMidnight(s.sStartTime));
        if (!s.sEndDate.isEmpty())
            fields << QStringLiteral("en:") + Quoted(s.sEndDate + u' ' + TimeOrMidnight(s.sEndTime));
        if (s.sWeekdays != defaults.sWeekdays)
            fields << QStringLiteral("wd:") + Quoted(s.sWeekdays);
        if (!s.sFromTime.isEmpty())
            fields << QStringLiteral("ft:") + Quoted(s.sFromTime) << QStringLiteral("tt:") + Quoted(s.sToTime);
        if (!s.sTimeZone.isEmpty())
            fields << QStringLiteral("tz:") + Quoted(s.sTimeZone);
    }
    if (s.iAfterPageViews > 0)
        fields << QStringLiteral("pv:") + QString::number(s.iAfterPageViews);
    if (s.iMaxShows > 0)
        fields << QStringLiteral("ms:") + QString::number(s.iMaxShows)
               << QStringLiteral("md:") + QString::number(s.iMaxShowsDays);
    return fields.isEmpty() ? QString() : u'{' + fields.join(u',') + u'}';
}

bool ShowsByItself(const TZEPInstance& oInstance) {
    return oInstance.bToolTip != 1 && oInstance.bOnClick != 1 && oInstance.bMouseOver != 1 && oInstance.bMouseOut != 1;
}

QString OnePerPageStatement(const TZEPProject& oProject, const TInstanceRefs& instances) {
    if (oProject.bOnePopupPerPage != 1) {
        return QString();
    }
    QStringList competitors;
    for (const TZEPInstance* instance : instances) {
        if (instance != nullptr && ShowsByItself(*instance)) {
            competitors << u'[' + instance->GetScriptName() + u',' + QString::number(instance->Schedule.iPriority) +
                               u']';
        }
    }
    if (competitors.size() < 2) {
        return QString();
    }
    return QStringLiteral("  QEL.zep.zepOnePerPage([") + competitors.join(u',') + QStringLiteral("]);");
}
