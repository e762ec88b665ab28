#pragma once

#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QObject>
#include <QString>

#include <array>
#include <functional>

// The program's version information as the log reads it: named texts for
// one language and code page, and the file-flags word.
struct TVersionInfo {
    QString sTranslation;           // language + code page, "080904E4"; empty: no information
    QHash<QString, QString> Values; // version name -> value as stored
    quint32 iFileFlags = 0;

    // Size of the version data in bytes, 0 when there is none: the fixed part
    // (52 bytes) plus every name and value as zero-terminated UTF-16 text.
    int Size() const;

    // The version information generated into the build from the project version.
    static TVersionInfo BuiltIn();
};

// The session log: one time-stamped line per event in a plain text file.
//
// Each line opens the file, appends the text with CR LF (UTF-8) and closes it
// again, so the file holds every line written before a crash. Lines are
// dropped silently before Open, while logging is off, and when the file has
// vanished during the run. The log also reads the program's version texts,
// which the main window title, the settings and the about box use.
class IMessageUi;

class TLog : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString sLogFileName READ GetLogFileName WRITE SetLogFileName)
    Q_PROPERTY(QString sLogFilePath READ GetLogFilePath WRITE SetLogFilePath)
    Q_PROPERTY(bool bLogging READ GetLogging WRITE SetLogging)
    Q_PROPERTY(bool bAppend READ GetAppend WRITE SetAppend)
    Q_PROPERTY(bool bShowDateStamp READ GetShowDateStamp WRITE SetShowDateStamp)

public:
    using TClock = std::function<QDateTime()>;

    static constexpr int iVersionNameCount = 11;
    // The version names, index 1 to 11 (index 0 unused).
    static const std::array<QString, iVersionNameCount + 1> aVersionNames;
    static constexpr quint16 iDefaultLanguage = 2057; // 0809, English (United Kingdom)
    static constexpr quint16 iDefaultCodePage = 1252; // 04E4

    explicit TLog(QObject* AOwner = nullptr);
    // Writes "Session ended : " with the time, then "Form destroyed".
    ~TLog() override;

    QString GetLogFileName() const { return sFLogFileName; }
    void SetLogFileName(const QString& sValue) { sFLogFileName = sValue; }
    QString GetLogFilePath() const { return sFLogFilePath; }
    void SetLogFilePath(const QString& sValue) { sFLogFilePath = sValue; }
    bool GetLogging() const { return bFlogging; }
    void SetLogging(bool bValue) { bFlogging = bValue; }
    bool GetAppend() const { return bFAppend; }
    void SetAppend(bool bValue) { bFAppend = bValue; }
    bool GetShowDateStamp() const { return bFShowDateStamp; }
    void SetShowDateStamp(bool bValue) { bFShowDateStamp = bValue; }

    // Binds and starts the log file (appending or created anew), writes the
    // header and reads the version information. sAppName is the full path of
    // the program file. Fails when the file cannot be created or opened;
    // the log then stays invalid and drops every line.
    bool Open(const QString& sAppName);
    QString GetLastError() const { return sLastError; }
    bool IsFileValid() const { return bFileValid; }
    // The full name of the log file Open bound (empty before Open).
    QString GetFullFileName() const { return sFullFileName; }

    void Add(const QString& sVal);
    void LogVal(const QString& sVal) { Add(sVal); }
    // Where the boxes of Error, Warning and Confirm show (not owned); without
    // one, messages are only logged and every confirmation is answered No.
    void SetMessageUi(IMessageUi* ui) { oMessageUi = ui; }
    IMessageUi* MessageUi() const { return oMessageUi; }
    // Writes "Error : " + message, then shows it in an error box.
    void Error(const QString& sMessage);
    // Writes "Warning : " + message, then shows it in a warning box.
    void Warning(const QString& sMessage);
    // Asks Yes or No, then writes "Confirming : " + message + " - Result = Yes"
    // (or No); true only for Yes. Without a message interface the answer is No.
    bool Confirm(const QString& sMessage);

    // Reads the version information for the language and code page into the
    // version fields and writes its lines.
    void GetVersion(quint16 dwLanguage, quint16 dwCodePage);
    // Last-modification time of the program file.
    QDateTime GetExeDate() const;

    // Derives the two- and three-component short versions from a version text.
    static void DeriveShortVersions(const QString& sVersionText, QString& sShort2, QString& sShort3);

    // Seams: the clock, the locale of the time stamps and the version source.
    void SetClock(TClock clock) { Clock = std::move(clock); }
    void SetLocale(const QLocale& locale) { Locale = locale; }
    void SetVersionInfo(TVersionInfo info) { VersionInfo = std::move(info); }

    // Version fields, filled by GetVersion.
    QString sEXEName;
    QString sVersion = QStringLiteral("Unknown");
    QString sShortVersion2 = QStringLiteral("?.?");
    QString sShortVersion3 = QStringLiteral("?.?.?");
    std::array<QString, iVersionNameCount + 1> sVersionStrings; // index 1 to 11
    bool bDebug = false;
    bool bPreRelease = false;
    bool bPatched = false;
    bool bPrivateBuild = false;
    bool bInfoInferred = false;
    bool bSpecialBuild = false;

private:
    QString Now(const char* sPattern) const;

    QString sFLogFileName;
    QString sFLogFilePath;
    // Defaults are the application's settings: logging on, a new file per
    // start, every line time-stamped.
    bool bFlogging = true;
    bool bFAppend = false;
    bool bFShowDateStamp = true;

    bool bFileValid = false;
    QString sFullFileName;
    QString sLastError;
    IMessageUi* oMessageUi = nullptr;
    TClock Clock;
    QLocale Locale;
    TVersionInfo VersionInfo;
};

// Writes the message to the log as a plain line, then shows it in an error box.
void LogAndShowError(TLog& log, const QString& sMessage);
