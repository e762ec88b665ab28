#include "LogDateFormat.h"

#include <array>

namespace {

// The separator the locale writes between hours and minutes.
QString TimeSeparator(const QLocale& locale) {
    const QString sFormat = locale.timeFormat(QLocale::ShortFormat);
    qsizetype i = sFormat.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    if (i < 0) {
        return QStringLiteral(":");
    }
    while (i < sFormat.size() && sFormat.at(i).toLower() == QLatin1Char('h')) {
        ++i;
    }
    const qsizetype iStart = i;
    while (i < sFormat.size() && sFormat.at(i).toLower() != QLatin1Char('m')) {
        ++i;
    }
    const QString sSeparator = sFormat.mid(iStart, i - iStart).remove(QLatin1Char('\''));
    return sSeparator.isEmpty() || i == sFormat.size() ? QStringLiteral(":") : sSeparator;
}

QString TwoDigits(int iValue) {
    return QStringLiteral("%1").arg(iValue % 100, 2, 10, QLatin1Char('0'));
}

enum class CToken {
    tkHour,
    tkMinute,
    tkSecond,
    tkDayName,
    tkShortDayName,
    tkDay,
    tkMonthName,
    tkShortMonthName,
    tkMonth,
    tkYear4,
    tkYear2
};

struct TTokenPattern {
    const char* sText;
    CToken token;
};

// Longer patterns first, so "dddd" wins over "dd" and "YYYY" over "YY".
constexpr std::array<TTokenPattern, 13> aTokens = {{
    {"dddd", CToken::tkDayName},
    {"mmmm", CToken::tkMonthName},
    {"yyyy", CToken::tkYear4},
    {"YYYY", CToken::tkYear4},
    {"DDD", CToken::tkShortDayName},
    {"MMM", CToken::tkShortMonthName},
    {"hh", CToken::tkHour},
    {"nn", CToken::tkMinute},
    {"ss", CToken::tkSecond},
    {"dd", CToken::tkDay},
    {"DD", CToken::tkDay},
    {"MM", CToken::tkMonth},
    {"YY", CToken::tkYear2},
}};

// Day and month names are the stand-alone (nominative) forms, as they read
// on their own: "torstai", not the "torstaina" of a running Finnish date.
QString TokenText(CToken token, const QDateTime& when, const QLocale& locale) {
    const QDate date = when.date();
    const QTime time = when.time();
    switch (token) {
    case CToken::tkHour:
        return TwoDigits(time.hour());
    case CToken::tkMinute:
        return TwoDigits(time.minute());
    case CToken::tkSecond:
        return TwoDigits(time.second());
    case CToken::tkDayName:
        return locale.standaloneDayName(date.dayOfWeek(), QLocale::LongFormat);
    case CToken::tkShortDayName:
        return locale.standaloneDayName(date.dayOfWeek(), QLocale::ShortFormat);
    case CToken::tkDay:
        return TwoDigits(date.day());
    case CToken::tkMonthName:
        return locale.standaloneMonthName(date.month(), QLocale::LongFormat);
    case CToken::tkShortMonthName:
        return locale.standaloneMonthName(date.month(), QLocale::ShortFormat);
    case CToken::tkMonth:
        return TwoDigits(date.month());
    case CToken::tkYear4:
        return QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
    case CToken::tkYear2:
        return TwoDigits(date.year());
    }
    return QString();
}

} // namespace

QString FormatLogDateTime(const QString& sPattern, const QDateTime& when, const QLocale& locale) {
    const QString sSeparator = TimeSeparator(locale);
    QString sResult;
    qsizetype i = 0;
    while (i < sPattern.size()) {
        const QStringView rest = QStringView(sPattern).mid(i);
        bool bMatched = false;
        for (const TTokenPattern& pattern : aTokens) {
            const QLatin1String sToken(pattern.sText);
            if (rest.startsWith(sToken)) {
                sResult += TokenText(pattern.token, when, locale);
                i += sToken.size();
                bMatched = true;
                break;
            }
        }
        if (bMatched) {
            continue;
        }
        const QChar c = sPattern.at(i++);
        if (c == QLatin1Char(':')) {
            sResult += sSeparator;
        } else {
            sResult += c;
        }
    }
    return sResult;
}

QString DailyLogFileName(const QDate& date, const QLocale& locale) {
    return QStringLiteral("$$$Log") +
           FormatLogDateTime(QLatin1String(sLogFileDatePattern), QDateTime(date, QTime()), locale) +
           QStringLiteral(".TXT");
}
