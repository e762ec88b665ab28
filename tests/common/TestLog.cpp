#include "LogDateFormat.h"
#include "ScriptedMessageUi.h"
#include "TLog.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QDateTime StartTime(QDate(2012, 3, 15), QTime(14, 3, 27));

// A log under a temporary folder with a fixed clock and a program file whose
// modification time is known.
class LogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        sExe = dir.filePath("brisola");
        ASSERT_TRUE(WriteWholeFile(sExe, "program"));
        QFile exe(sExe);
        ASSERT_TRUE(exe.open(QIODevice::ReadWrite));
        ASSERT_TRUE(exe.setFileTime(QDateTime(QDate(2012, 3, 1), QTime(9, 5, 7)), QFileDevice::FileModificationTime));
        sLogPath = dir.path() + "/";
        sLogFile = sLogPath + "today.txt";
    }

    std::unique_ptr<TLog> MakeLog(TVersionInfo info) const {
        auto log = std::make_unique<TLog>();
        log->SetClock([] { return StartTime; });
        log->SetLocale(QLocale(QLocale::English, QLocale::UnitedKingdom));
        log->SetVersionInfo(std::move(info));
        log->SetLogFilePath(sLogPath);
        log->SetLogFileName("today.txt");
        return log;
    }

    static TVersionInfo SmallVersion(const QString& sFileVersion, quint32 iFlags = 0) {
        TVersionInfo info;
        info.sTranslation = "080904E4";
        info.Values.insert("FileVersion", sFileVersion);
        info.iFileFlags = iFlags;
        return info;
    }

    QTemporaryDir dir;
    QString sExe;
    QString sLogPath;
    QString sLogFile;
};

TEST_F(LogTest, NewFileStartsWithTheHeaderAndVersionLines) {
    TVersionInfo info = SmallVersion("1.2", 0x02);
    info.Values.insert("CompanyName", "Wendmark Software");
    auto log = MakeLog(info);
    ASSERT_TRUE(log->Open(sExe));
    EXPECT_EQ(log->GetFullFileName(), sLogFile);
    EXPECT_EQ(ReadWholeFile(sLogFile),
              QByteArray("[14:03:27] : "
                         "==============================================================================="
                         "\r\n"
                         "[14:03:27] : Log File created : 14:03:27 Thursday 15 March 2012\r\n"
                         "[14:03:27] : VersionInfoSize = 144\r\n"
                         "[14:03:27] : CompanyName = Wendmark Software\r\n"
                         "[14:03:27] : FileVersion = 1.2\r\n"
                         "[14:03:27] : Pre-Release Version\r\n"
                         "[14:03:27] : V1.2 - Compiled : 09:05:07 Thursday 01 March 2012\r\n"));
    EXPECT_TRUE(log->bPreRelease);
    EXPECT_FALSE(log->bDebug);
    EXPECT_EQ(log->sVersionStrings[1], "Wendmark Software");
    EXPECT_EQ(log->sVersionStrings[2], "");
}

TEST_F(LogTest, LinesCarryTheTimeStampOnlyWhenAsked) {
    auto log = MakeLog(TVersionInfo());
    ASSERT_TRUE(log->Open(sExe));
    ASSERT_TRUE(WriteWholeFile(sLogFile, ""));
    log->Add("Status [Changed]");
    log->SetShowDateStamp(false);
    log->LogVal(QString::fromUtf8("caf\xC3\xA9"));
    EXPECT_EQ(ReadWholeFile(sLogFile), QByteArray("[14:03:27] : Status [Changed]\r\ncaf\xC3\xA9\r\n"));
}

TEST_F(LogTest, AppendKeepsThePreviousRunOnlyWhenSetAndTheFileExists) {
    ASSERT_TRUE(WriteWholeFile(sLogFile, "earlier run\r\n"));
    auto fresh = MakeLog(TVersionInfo());
    fresh->SetShowDateStamp(false);
    ASSERT_TRUE(fresh->Open(sExe));
    QByteArray text = ReadWholeFile(sLogFile);
    EXPECT_FALSE(text.contains("earlier run"));
    EXPECT_TRUE(text.contains("\r\nLog File created : 14:03:27 Thursday 15 March 2012\r\n"));

    ASSERT_TRUE(WriteWholeFile(sLogFile, "earlier run\r\n"));
    auto appending = MakeLog(TVersionInfo());
    appending->SetShowDateStamp(false);
    appending->SetAppend(true);
    ASSERT_TRUE(appending->Open(sExe));
    text = ReadWholeFile(sLogFile);
    EXPECT_TRUE(text.startsWith("earlier run\r\n" + QByteArray(79, '=') + "\r\nLog File appended : 14:03:27"));

    QFile::remove(sLogFile);
    auto appendingToNothing = MakeLog(TVersionInfo());
    appendingToNothing->SetAppend(true);
    ASSERT_TRUE(appendingToNothing->Open(sExe));
    EXPECT_TRUE(ReadWholeFile(sLogFile).contains("Log File created : "));
}

TEST_F(LogTest, NothingIsWrittenBeforeOpenOrWhileLoggingIsOff) {
    {
        auto log = MakeLog(TVersionInfo());
        log->Add("too early");
        EXPECT_FALSE(log->IsFileValid());
    } // the closing lines are dropped as well
    EXPECT_FALSE(QFile::exists(sLogFile));

    auto quiet = MakeLog(TVersionInfo());
    quiet->SetLogging(false);
    ASSERT_TRUE(quiet->Open(sExe));
    quiet->Add("dropped");
    EXPECT_TRUE(QFile::exists(sLogFile));
    EXPECT_EQ(ReadWholeFile(sLogFile), QByteArray());
}

TEST_F(LogTest, FileNameFollowsThePathTextAndTheDefaults) {
    auto log = MakeLog(TVersionInfo());
    log->SetLogFilePath(dir.filePath("logs")); // no separator at the end
    ASSERT_TRUE(log->Open(sExe));
    EXPECT_TRUE(QFile::exists(dir.filePath("logstoday.txt")));

    auto plain = std::make_unique<TLog>();
    ASSERT_TRUE(plain->Open(sExe));
    EXPECT_EQ(plain->GetLogFileName(), "$LOG.TXT");
    EXPECT_TRUE(QFile::exists(dir.filePath("$LOG.TXT")));
}

TEST_F(LogTest, OpenFailureLeavesTheLogSilent) {
    auto log = MakeLog(TVersionInfo());
    log->SetLogFilePath(dir.filePath("missing/"));
    EXPECT_FALSE(log->Open(sExe));
    EXPECT_FALSE(log->IsFileValid());
    EXPECT_FALSE(log->GetLastError().isEmpty());
    log->Add("dropped");
    EXPECT_FALSE(QDir(dir.filePath("missing")).exists());
}

TEST_F(LogTest, DestructionWritesTheClosingLinesUnlessTheFileIsGone) {
    auto log = MakeLog(TVersionInfo());
    log->SetShowDateStamp(false);
    ASSERT_TRUE(log->Open(sExe));
    ASSERT_TRUE(WriteWholeFile(sLogFile, ""));
    log.reset();
    EXPECT_EQ(ReadWholeFile(sLogFile),
              QByteArray("Session ended : 14:03:27 Thursday 15 March 2012\r\nForm destroyed\r\n"));

    auto deleted = MakeLog(TVersionInfo());
    ASSERT_TRUE(deleted->Open(sExe));
    ASSERT_TRUE(QFile::remove(sLogFile));
    deleted->Add("after deletion");
    deleted.reset();
    EXPECT_FALSE(QFile::exists(sLogFile));
}

TEST_F(LogTest, VersionTextsWithoutProgramFileOrVersionInformation) {
    auto noProgram = MakeLog(SmallVersion("1.2"));
    noProgram->SetShowDateStamp(false);
    ASSERT_TRUE(noProgram->Open(dir.filePath("nonexistent")));
    EXPECT_TRUE(ReadWholeFile(sLogFile).endsWith("\r\nVersion details unknown\r\n"));
    EXPECT_EQ(noProgram->sVersion, "Unknown");
    EXPECT_EQ(noProgram->sShortVersion2, "?.?");
    EXPECT_EQ(noProgram->sShortVersion3, "?.?.?");

    auto noInfo = MakeLog(TVersionInfo());
    noInfo->SetShowDateStamp(false);
    ASSERT_TRUE(noInfo->Open(sExe));
    EXPECT_TRUE(ReadWholeFile(sLogFile).endsWith("\r\nNo version information found\r\n"
                                                 "VUnknown - Compiled : 09:05:07 Thursday 01 March 2012\r\n"));
    EXPECT_EQ(noInfo->sVersion, "Unknown");
    EXPECT_EQ(noInfo->sShortVersion2, "Unknown");
    EXPECT_EQ(noInfo->sShortVersion3, "Unknown");
}

TEST_F(LogTest, VersionValuesAreLoggedAsStoredAndKeptTrimmed) {
    auto log = MakeLog(SmallVersion(" 1.2.3.4.5 "));
    log->SetShowDateStamp(false);
    ASSERT_TRUE(log->Open(sExe));
    EXPECT_TRUE(ReadWholeFile(sLogFile).contains("\r\nFileVersion =  1.2.3.4.5 \r\n"));
    EXPECT_EQ(log->sVersion, " 1.2.3.4.5 ");
    EXPECT_EQ(log->sVersionStrings[3], "1.2.3.4.5");
    EXPECT_EQ(log->sShortVersion2, "1.2");
    EXPECT_EQ(log->sShortVersion3, "1.2.3");
}

TEST_F(LogTest, VersionNamesOfAnotherLanguageAreNotFound) {
    auto log = MakeLog(SmallVersion("1.2"));
    log->SetShowDateStamp(false);
    ASSERT_TRUE(log->Open(sExe));
    log->GetVersion(1033, 1252); // 040904E4
    const QByteArray text = ReadWholeFile(sLogFile);
    EXPECT_EQ(text.count("FileVersion = "), 1);
    EXPECT_TRUE(text.endsWith("\r\nVersionInfoSize = 84\r\n"));
}

TEST(LogVersion, ShortVersionsKeepTwoAndThreeComponents) {
    struct TCase {
        const char* sVersion;
        const char* sShort2;
        const char* sShort3;
    };
    const TCase aCases[] = {
        {"4.0.2.80", "4.0", "4.0.2"},  {"4.0.2", "4.0", "4.0.2"},         {"4.0", "4.0", "4.0"}, {"1", "1", "1"},
        {"1.2.3.4.5", "1.2", "1.2.3"}, {"Unknown", "Unknown", "Unknown"}, {"4.", "4.", "4."},    {"", "", ""}};
    for (const TCase& c : aCases) {
        QString sShort2;
        QString sShort3;
        TLog::DeriveShortVersions(c.sVersion, sShort2, sShort3);
        EXPECT_EQ(sShort2, c.sShort2) << c.sVersion;
        EXPECT_EQ(sShort3, c.sShort3) << c.sVersion;
    }
}

TEST(LogVersion, BuiltInVersionComesFromTheProjectVersion) {
    TLog log;
    EXPECT_EQ(log.sVersion, "Unknown");
    log.GetVersion(TLog::iDefaultLanguage, TLog::iDefaultCodePage);
    EXPECT_EQ(log.sVersion, "4.0.2.80");
    EXPECT_EQ(log.sShortVersion2, "4.0");
    EXPECT_EQ(log.sShortVersion3, "4.0.2");
    EXPECT_EQ(log.sVersionStrings[1], "Wendmark Software");
    EXPECT_EQ(log.sVersionStrings[2], "Brisola");
    EXPECT_EQ(log.sVersionStrings[8], "Brisola");
    for (int i = 1; i <= TLog::iVersionNameCount; ++i) {
        EXPECT_FALSE(log.sVersionStrings[std::size_t(i)].isEmpty())
            << TLog::aVersionNames[std::size_t(i)].toStdString();
    }
}

TEST_F(LogTest, MessagesAreLoggedAroundTheirBoxes) {
    auto log = MakeLog(TVersionInfo());
    log->SetShowDateStamp(false);
    ASSERT_TRUE(log->Open(sExe));
    ASSERT_TRUE(WriteWholeFile(sLogFile, ""));

    TScriptedMessageUi ui;
    log->SetMessageUi(&ui);
    QByteArray logAtBox;
    ui.OnCall = [&] { logAtBox = ReadWholeFile(sLogFile); };

    log->Error("Disk full");
    EXPECT_EQ(logAtBox, QByteArray("Error : Disk full\r\n")); // written before the box
    log->Warning("Careful");
    ui.bAnswerYes = true;
    EXPECT_TRUE(log->Confirm("Save?"));
    EXPECT_FALSE(logAtBox.contains("Confirming")); // written after the answer
    ui.bAnswerYes = false;
    EXPECT_FALSE(log->Confirm("Overwrite?"));
    LogAndShowError(*log, "Upload failed");

    EXPECT_EQ(ui.Calls, QStringList({"error: Disk full", "warning: Careful", "confirm: Save?", "confirm: Overwrite?",
                                     "error: Upload failed"}));
    EXPECT_EQ(ReadWholeFile(sLogFile), QByteArray("Error : Disk full\r\n"
                                                  "Warning : Careful\r\n"
                                                  "Confirming : Save? - Result = Yes\r\n"
                                                  "Confirming : Overwrite? - Result = No\r\n"
                                                  "Upload failed\r\n"));
}

TEST_F(LogTest, WithoutMessageInterfaceMessagesAreOnlyLoggedAndConfirmSaysNo) {
    auto log = MakeLog(TVersionInfo());
    log->SetShowDateStamp(false);
    ASSERT_TRUE(log->Open(sExe));
    ASSERT_TRUE(WriteWholeFile(sLogFile, ""));
    log->Error("Disk full");
    EXPECT_FALSE(log->Confirm("Save?"));
    EXPECT_EQ(ReadWholeFile(sLogFile), QByteArray("Error : Disk full\r\nConfirming : Save? - Result = No\r\n"));
}

TEST(LogDateFormat, PatternsOfTheLog) {
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    EXPECT_EQ(DailyLogFileName(QDate(2012, 3, 15), english), "$$$Log_12_03_15(Thu_Mar_15_2012).TXT");
    const QDateTime early(QDate(2009, 1, 4), QTime(7, 8, 9));
    EXPECT_EQ(FormatLogDateTime(sLongDateTimePattern, early, english), "07:08:09 Sunday 04 January 2009");
    EXPECT_EQ(FormatLogDateTime(sLineStampPattern, early, english), "[07:08:09] : ");
}

TEST(LogDateFormat, NamesAndTimeSeparatorFollowTheLocale) {
    const QLocale finnish(QLocale::Finnish, QLocale::Finland); // writes times as 14.03
    const QDateTime when(QDate(2012, 3, 15), QTime(14, 3, 27));
    EXPECT_EQ(FormatLogDateTime("[hh:nn:ss] dd.MM.YYYY", when, finnish), "[14.03.27] 15.03.2012");
    EXPECT_EQ(FormatLogDateTime("dddd mmmm", when, finnish), QString("torstai maaliskuu"));
}

} // namespace
