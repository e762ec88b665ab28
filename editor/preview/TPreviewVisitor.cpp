#include "TPreviewVisitor.h"

#include <QJsonArray>

namespace {

// A fixed mix of the visit number (the SplitMix64 steps): well spread draws
// without any state to keep.
quint64 Mix(quint64 iValue) {
    iValue += 0x9E3779B97F4A7C15ULL;
    iValue = (iValue ^ (iValue >> 30)) * 0xBF58476D1CE4E5B9ULL;
    iValue = (iValue ^ (iValue >> 27)) * 0x94D049BB133111EBULL;
    return iValue ^ (iValue >> 31);
}

qint64 PageNow(const QJsonObject& pageState) {
    return qint64(pageState.value(QStringLiteral("now")).toDouble());
}

} // namespace

QJsonObject TPreviewVisitor::Seed(bool bTouch) const {
    QJsonArray draws;
    for (const double dDraw : Draws(Current().iNumber))
        draws.append(dDraw);
    return QJsonObject{{QStringLiteral("start"), double(Current().iStart)},
                       {QStringLiteral("jar"), Jar},
                       {QStringLiteral("draws"), draws},
                       {QStringLiteral("touch"), bTouch}};
}

QList<double> TPreviewVisitor::Draws(int iVisit) {
    QList<double> draws;
    for (int i = 0; i < iDrawsPerVisit; ++i)
        draws.append(double(Mix(quint64(iVisit) * iDrawsPerVisit + quint64(i)) >> 11) / double(1ULL << 53));
    return draws;
}

void TPreviewVisitor::NewVisit(const QJsonObject& pageState) {
    const qint64 iNow = PageNow(pageState);
    Begin(iNow, LiveCookies(pageState.value(QStringLiteral("jar")).toObject(), iNow, true));
}

void TPreviewVisitor::NewSession(const QJsonObject& pageState) {
    const qint64 iNow = PageNow(pageState);
    Begin(iNow, LiveCookies(pageState.value(QStringLiteral("jar")).toObject(), iNow, false));
}

void TPreviewVisitor::NextDay(const QJsonObject& pageState) {
    const qint64 iNow = PageNow(pageState) + iDayMs;
    Begin(iNow, LiveCookies(pageState.value(QStringLiteral("jar")).toObject(), iNow, true));
}

void TPreviewVisitor::Reset(qint64 iNow) {
    Visits.clear();
    Begin(iNow, QJsonObject());
}

const TPreviewVisitor::TVisit* TPreviewVisitor::LastShown(const QString& sUid) const {
    for (qsizetype i = Visits.size() - 2; i >= 0; --i) {
        if (Visits.at(i).ShownUids.contains(sUid))
            return &Visits.at(i);
    }
    return nullptr;
}

void TPreviewVisitor::Begin(qint64 iStart, const QJsonObject& jar) {
    Visits.append(TVisit{int(Visits.size()) + 1, iStart, {}, {}});
    Jar = jar;
}

QJsonObject TPreviewVisitor::LiveCookies(const QJsonObject& jar, qint64 iNow, bool bKeepSession) {
    QJsonObject live;
    for (auto cookie = jar.begin(); cookie != jar.end(); ++cookie) {
        const QJsonValue expires = cookie.value().toObject().value(QStringLiteral("expires"));
        const bool bSession = !expires.isDouble();
        if (bSession ? bKeepSession : qint64(expires.toDouble()) > iNow)
            live.insert(cookie.key(), cookie.value());
    }
    return live;
}
