#include "PreviewWhy.h"

#include "TZEPInstance.h"

#include <QJsonValue>
#include <QStringList>

#include <cmath>

namespace {

int Int(const QJsonObject& facts, const char* sName) {
    return facts.value(QLatin1String(sName)).toInt();
}

QString Plural(qint64 iCount, const QString& sUnit) {
    return QString::number(iCount) + u' ' + sUnit + (iCount == 1 ? QString() : QStringLiteral("s"));
}

// "today", "one day ago", "two days ago", ... "10 days ago".
QString DaysAgo(qint64 iDays) {
    static const QStringList words{QStringLiteral("one"),   QStringLiteral("two"),   QStringLiteral("three"),
                                   QStringLiteral("four"),  QStringLiteral("five"),  QStringLiteral("six"),
                                   QStringLiteral("seven"), QStringLiteral("eight"), QStringLiteral("nine")};
    if (iDays <= 0)
        return QStringLiteral("today");
    const QString sCount = iDays <= words.size() ? words.at(iDays - 1) : QString::number(iDays);
    return sCount + (iDays == 1 ? QStringLiteral(" day ago") : QStringLiteral(" days ago"));
}

qint64 Now(const QJsonObject& facts) {
    return qint64(facts.value(QStringLiteral("now")).toDouble());
}

// The once-per-period rule met its cookie: when it was shown and when it shows again.
QString PeriodText(const QJsonObject& facts, const QString& sUid, const TPreviewVisitor& visitor) {
    const qint64 iDays = qMax<qint64>(1, qRound64(Int(facts, "plt") / 86400.0));
    QString sText = QStringLiteral("Not shown: once per ") +
                    (iDays == 1 ? QStringLiteral("day") : Plural(iDays, QStringLiteral("day"))) + u',';
    if (const TPreviewVisitor::TVisit* shown = visitor.LastShown(sUid)) {
        sText += QStringLiteral(" shown on visit ") + QString::number(shown->iNumber) + u' ' +
                 DaysAgo((Now(facts) - shown->iStart) / TPreviewVisitor::iDayMs) + u';';
    } else {
        sText += QStringLiteral(" already shown;");
    }
    const QJsonValue expires = facts.value(QStringLiteral("held"))
                                   .toObject()
                                   .value(sUid + QStringLiteral("_sp"))
                                   .toObject()
                                   .value(QStringLiteral("expires"));
    if (!expires.isDouble())
        return sText + QStringLiteral(" shows again in a new session.");
    const double dLeft = (expires.toDouble() - double(Now(facts))) / double(TPreviewVisitor::iDayMs);
    return sText + QStringLiteral(" shows again in ") +
           Plural(qMax<qint64>(1, qint64(std::ceil(dLeft))), QStringLiteral("day")) + u'.';
}

QString Str(const QJsonObject& object, const char* sName) {
    return object.value(QLatin1String(sName)).toString();
}

// "Mon-Fri", "Mon, Wed, Fri", "Sat-Sun": the days set in a seven-character mask, Monday first.
QString DaysText(const QString& sWeekdays) {
    static const QStringList names{QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
                                   QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat"),
                                   QStringLiteral("Sun")};
    const auto set = [&](int iDay) { return iDay < sWeekdays.size() && sWeekdays.at(iDay) == u'1'; };
    QStringList runs;
    for (int iFirst = 0; iFirst < names.size(); ++iFirst) {
        if (!set(iFirst))
            continue;
        int iLast = iFirst;
        while (iLast + 1 < names.size() && set(iLast + 1))
            ++iLast;
        runs << (iLast == iFirst ? names.at(iFirst) : names.at(iFirst) + u'-' + names.at(iLast));
        iFirst = iLast;
    }
    return runs.join(QStringLiteral(", "));
}

QString DayName(int iDay) {
    static const QStringList names{QStringLiteral("Monday"),   QStringLiteral("Tuesday"), QStringLiteral("Wednesday"),
                                   QStringLiteral("Thursday"), QStringLiteral("Friday"),  QStringLiteral("Saturday"),
                                   QStringLiteral("Sunday")};
    return names.value(iDay);
}

QString TimesText(int iCount) {
    if (iCount == 1)
        return QStringLiteral("once");
    if (iCount == 2)
        return QStringLiteral("twice");
    return QString::number(iCount) + QStringLiteral(" times");
}

// The popup's own rule that kept it back, as the page found it: a part of its
// schedule, the page view it shows from or its show limit.
QString KeptText(const QJsonObject& kept) {
    const QString sRule = Str(kept, "rule"), sZone = Str(kept, "tz");
    const QString sIn = sZone.isEmpty() ? QString() : QStringLiteral(" in ") + sZone;
    const QString sNow = Str(kept, "clock");
    if (sRule == QLatin1String("zone"))
        return QStringLiteral("Not shown: this browser does not know the time zone ") + sZone + u'.';
    if (sRule == QLatin1String("start"))
        return QStringLiteral("Not shown: only from ") + Str(kept, "st") + QStringLiteral(", it is now ") + sNow + sIn +
               u'.';
    if (sRule == QLatin1String("end"))
        return QStringLiteral("Not shown: only until ") + Str(kept, "en") + QStringLiteral(", it is now ") + sNow +
               sIn + u'.';
    if (sRule == QLatin1String("window"))
        return QStringLiteral("Not shown: only from ") + Str(kept, "ft") + QStringLiteral(" to ") + Str(kept, "tt") +
               QStringLiteral(" each day, it is now ") + sNow.mid(11) + sIn + u'.';
    if (sRule == QLatin1String("weekday")) {
        const QString sDays = DaysText(Str(kept, "wd"));
        if (sDays.isEmpty())
            return QStringLiteral("Not shown: no day of the week is chosen.");
        return QStringLiteral("Not shown: only on ") + sDays + QStringLiteral(", today is ") +
               DayName(Int(kept, "day")) + sIn + u'.';
    }
    if (sRule == QLatin1String("view"))
        return QStringLiteral("Not shown: from page view ") + QString::number(Int(kept, "pv")) +
               QStringLiteral(", this is view ") + QString::number(Int(kept, "view")) + u'.';
    const int iDays = Int(kept, "md");
    return QStringLiteral("Not shown: at most ") + Plural(Int(kept, "ms"), QStringLiteral("show")) +
           QStringLiteral(" in ") + Plural(iDays, QStringLiteral("day")) + QStringLiteral(", shown ") +
           TimesText(Int(kept, "count")) + QStringLiteral(" in the last ") +
           (iDays == 1 ? QStringLiteral("day") : Plural(iDays, QStringLiteral("day"))) + u'.';
}

// Whether the visitor came with the cookie by which the popup's frequency rule
// keeps it back (the cookies the runtime reads for that rule).
bool HeldBackByFrequency(const QJsonObject& facts, const QString& sUid) {
    const QJsonObject held = facts.value(QStringLiteral("held")).toObject();
    const auto holds = [&](const char* sSuffix) { return held.contains(sUid + QLatin1String(sSuffix)); };
    if (Int(facts, "issp") == 1)
        return holds("_sp");
    if (Int(facts, "oo7") == 1)
        return holds("_s") && (Int(facts, "pcc") != 1 || !holds("_p"));
    return holds("_misC");
}

// Why the rules kept the popup away on this visit.
QString NotShownText(const QJsonObject& facts, const QString& sUid, const TPreviewVisitor& visitor) {
    const QJsonObject kept = facts.value(QStringLiteral("kept")).toObject();
    if (!kept.isEmpty())
        return KeptText(kept);
    const bool bLost = facts.value(QStringLiteral("lost")).toBool();
    if (bLost && !HeldBackByFrequency(facts, sUid))
        return QStringLiteral("Not shown: another popup has a higher priority on this page view.");
    if (!bLost && !facts.value(QStringLiteral("drawn")).toBool()) {
        // The runtime draws only once the popup's other rules let it through.
        const double dDraw = facts.value(QStringLiteral("draw")).toDouble(-1);
        if (dDraw < 0 || Int(facts, "rn") <= 1)
            return QStringLiteral("Not shown: kept back on this page view by its own rules.");
        return QStringLiteral("Not shown: ") + QString::number(qRound(100.0 / Int(facts, "rn"))) +
               QStringLiteral(" % chance, this visit drew ") + QString::number(int(dDraw * 100)) + u'.';
    }
    if (Int(facts, "issp") == 1)
        return PeriodText(facts, sUid, visitor);
    if (Int(facts, "oo7") == 1 && Int(facts, "pcc") == 1)
        return QStringLiteral("Not shown: site-wide once per session, already shown in this session.");
    if (Int(facts, "oo7") == 1)
        return QStringLiteral("Not shown: per session, already shown in this session.");
    return QStringLiteral("Not shown: the visitor chose not to see it again.");
}

// What opens the popup, as a sentence's end: "opens 1 s after the page loads".
QString OpeningText(const QJsonObject& facts, CPreviewTrigger trigger) {
    switch (trigger) {
    case CPreviewTrigger::ptExit:
        return QStringLiteral("shows when the visitor is about to leave");
    case CPreviewTrigger::ptClick:
        return QStringLiteral("shows when the visitor clicks the link");
    case CPreviewTrigger::ptPointerOver:
    case CPreviewTrigger::ptTooltip:
        return QStringLiteral("shows when the pointer moves over the link");
    case CPreviewTrigger::ptPointerOut:
        return QStringLiteral("shows when the pointer leaves the link");
    case CPreviewTrigger::ptPage:
        break;
    }
    if (Int(facts, "oo7") == 1 && Int(facts, "pcc") == 1) {
        return QStringLiteral("site-wide, opens when its countdown of ") + QString::number(Int(facts, "tro")) +
               QStringLiteral(" s ends");
    }
    const QJsonObject opening = facts.value(QStringLiteral("opening")).toObject();
    const qint64 iDelay = qRound64(opening.value(QStringLiteral("delay")).toDouble() / 1000.0);
    if (iDelay <= 0)
        return QStringLiteral("opens when the page loads");
    return QStringLiteral("opens ") + QString::number(iDelay) + QStringLiteral(" s after the page loads");
}

// Whether a timed event still stands between the page and the popup.
bool WaitsForTime(const QJsonObject& facts, CPreviewTrigger trigger) {
    if (trigger != CPreviewTrigger::ptPage)
        return false;
    if (Int(facts, "oo7") == 1 && Int(facts, "pcc") == 1)
        return true;
    const QJsonObject opening = facts.value(QStringLiteral("opening")).toObject();
    return !opening.isEmpty() && !opening.value(QStringLiteral("fired")).toBool() &&
           opening.value(QStringLiteral("delay")).toDouble() > 0;
}

// The content that rotation chose for this view.
QString RotationText(const QJsonObject& facts, const QString& sUid) {
    const int iLayer =
        facts.value(QStringLiteral("written")).toObject().value(sUid + QStringLiteral("_rotation")).toString().toInt();
    if (Int(facts, "rot") != 1 || iLayer <= 0)
        return QString();
    return QStringLiteral(" Rotation: content ") + QString::number(iLayer) + QStringLiteral(" of ") +
           QString::number(Int(facts, "layers")) + u'.';
}

} // namespace

TPreviewPopup PreviewPopupOf(const TZEPInstance& instance) {
    CPreviewTrigger trigger = CPreviewTrigger::ptPage;
    if (instance.bToolTip == 1)
        trigger = CPreviewTrigger::ptTooltip;
    else if (instance.bOnClick == 1)
        trigger = CPreviewTrigger::ptClick;
    else if (instance.bMouseOver == 1)
        trigger = CPreviewTrigger::ptPointerOver;
    else if (instance.bMouseOut == 1)
        trigger = CPreviewTrigger::ptPointerOut;
    else if (instance.bOnExit == 1)
        trigger = CPreviewTrigger::ptExit;
    return {instance.GetScriptName(), trigger};
}

QString WhyText(const QJsonObject& facts, CPreviewTrigger trigger, const QString& sUid,
                const TPreviewVisitor& visitor) {
    if (!facts.value(QStringLiteral("built")).toBool())
        return QStringLiteral("Not shown: the popup was not built on this page.");
    if (Int(facts, "isc") == 1)
        return NotShownText(facts, sUid, visitor);
    const QString sRotation = RotationText(facts, sUid);
    // A popup seen open, or one that nothing holds back any more (its entry
    // effect may still be under way), is shown on this visit.
    const bool bTimed = WaitsForTime(facts, trigger);
    if (facts.value(QStringLiteral("visible")).toBool() || visitor.Current().SeenUids.contains(sUid) ||
        (trigger == CPreviewTrigger::ptPage && !bTimed))
        return QStringLiteral("Shown: ") + OpeningText(facts, trigger) + u'.' + sRotation;
    return QStringLiteral("Waiting: ") + OpeningText(facts, trigger) +
           (bTimed ? QStringLiteral(" (Skip delay).") : QStringLiteral(".")) + sRotation;
}
