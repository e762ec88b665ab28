#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Date and time patterns of the session log.
//
// Pattern letters: "hh" hour 00-23, "nn" minutes, "ss" seconds; "dddd" full
// day name, "dd" day of the month, "mmmm" full month name, "yyyy" four-digit
// year; "YY", "MM", "DD" two-digit year, month and day; "DDD" and "MMM" short
// day and month names; "YYYY" four-digit year. Names follow the locale. Every
// ":" is written as the locale's time separator; any other character is
// copied unchanged.

inline constexpr char sLongDateTimePattern[] = "hh:nn:ss dddd dd mmmm yyyy";
inline constexpr char sLineStampPattern[] = "[hh:nn:ss] : ";
inline constexpr char sLogFileDatePattern[] = "_YY_MM_DD(DDD_MMM_DD_YYYY)";

QString FormatLogDateTime(const QString& sPattern, const QDateTime& when, const QLocale& locale = QLocale());

// The name of the day's log file: "$$$Log" + the date in sLogFileDatePattern +
// ".TXT", for example $$$Log_12_03_15(Thu_Mar_15_2012).TXT.
QString DailyLogFileName(const QDate& date, const QLocale& locale = QLocale());
