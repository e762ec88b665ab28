#pragma once

#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>

// The visitor the preview plays: the visits made so far, the visitor's clock
// and the cookies held at the start of the current visit. A page view of the
// current visit always starts from the same clock, cookies and random draws,
// so an edit shows again what this visit shows; only the actions move the
// visitor on. The page reports its state as {now, jar}: the clock in
// milliseconds and the cookies by name, each {value, expires} with expires
// in milliseconds or null for a session cookie.
class TPreviewVisitor {
public:
    struct TVisit {
        int iNumber;
        qint64 iStart;           // the visitor's clock when the page was loaded
        QSet<QString> ShownUids; // the popups the rules let show on this visit
        QSet<QString> SeenUids;  // the popups seen open on this visit
    };

    static constexpr qint64 iDayMs = 24 * 60 * 60 * 1000;
    static constexpr int iDrawsPerVisit = 16;

    // A first-time visitor whose clock starts at iNow.
    explicit TPreviewVisitor(qint64 iNow) { Reset(iNow); }

    const TVisit& Current() const { return Visits.last(); }
    const QList<TVisit>& History() const { return Visits; }
    const QJsonObject& Cookies() const { return Jar; }

    // What the page of the current visit starts from: {start, jar, draws, touch}.
    QJsonObject Seed(bool bTouch) const;
    // The random draws of a visit, each in [0, 1): the same for the same
    // visit number, for every visitor.
    static QList<double> Draws(int iVisit);

    // The next page view of the same visitor: cookies kept, the clock where the page left it.
    void NewVisit(const QJsonObject& pageState);
    // The browser was closed in between: session cookies are gone.
    void NewSession(const QJsonObject& pageState);
    // A day later: cookies that ran out meanwhile are gone.
    void NextDay(const QJsonObject& pageState);
    // A visitor never seen: no cookies, the clock at iNow, visit 1.
    void Reset(qint64 iNow);
    // The rules let the popup show on the current visit; it was seen open.
    void NoteShown(const QString& sUid) { Visits.last().ShownUids.insert(sUid); }
    void NoteSeen(const QString& sUid) { Visits.last().SeenUids.insert(sUid); }
    // The latest earlier visit on which the rules let the popup show, or nullptr.
    const TVisit* LastShown(const QString& sUid) const;

private:
    void Begin(qint64 iStart, const QJsonObject& jar);
    static QJsonObject LiveCookies(const QJsonObject& jar, qint64 iNow, bool bKeepSession);

    QList<TVisit> Visits;
    QJsonObject Jar;
};
