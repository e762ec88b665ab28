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

// Why the rules kept the popup away on this visit.
QString NotShownText(const QJsonObject& facts, const QString& sUid, const TPreviewVisitor& visitor) {
    if (!facts.value(QStringLiteral("drawn")).toBool()) {
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
