#include "TLog.h"

#include "IMessageUi.h"
#include "LogDateFormat.h"
#include "Version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

const std::array<QString, TLog::iVersionNameCount + 1> TLog::aVersionNames = {
    QString(),
    QStringLiteral("CompanyName"),
    QStringLiteral("FileDescription"),
    QStringLiteral("FileVersion"),
    QStringLiteral("InternalName"),
    QStringLiteral("LegalCopyright"),
    QStringLiteral("LegalTradeMarks"),
    QStringLiteral("OriginalFileName"),
    QStringLiteral("ProductName"),
    QStringLiteral("ProductVersion"),
    QStringLiteral("Comments"),
    QStringLiteral("Author"),
};

int TVersionInfo::Size() const {
    if (sTranslation.isEmpty()) {
        return 0;
    }
    constexpr int iFixedPartSize = 52;
    int iSize = iFixedPartSize;
    for (auto it = Values.cbegin(); it != Values.cend(); ++it) {
        iSize += int(it.key().size() + 1 + it.value().size() + 1) * 2;
    }
    return iSize;
}

TVersionInfo TVersionInfo::BuiltIn() {
    TVersionInfo info;
    info.sTranslation = QLatin1String(BrisolaVersion::sTranslation);
    for (const BrisolaVersion::TVersionEntry& entry : BrisolaVersion::aEntries) {
        info.Values.insert(QLatin1String(entry.sName), QString::fromUtf8(entry.sValue));
    }
    info.iFileFlags = BrisolaVersion::iFileFlags;
    return info;
}

TLog::TLog(QObject* AOwner)
    : QObject(AOwner), Clock([] { return QDateTime::currentDateTime(); }), VersionInfo(TVersionInfo::BuiltIn()) {}

TLog::~TLog() {
    Add(QStringLiteral("Session ended : ") + Now(sLongDateTimePattern));
    Add(QStringLiteral("Form destroyed"));
}

QString TLog::Now(const char* sPattern) const {
    return FormatLogDateTime(QLatin1String(sPattern), Clock(), Locale);
}

bool TLog::Open(const QString& sAppName) {
    sEXEName = sAppName;
    if (sFLogFileName.isEmpty()) {
        sFLogFileName = QStringLiteral("$LOG.TXT");
    }
    if (!sFLogFilePath.isEmpty()) {
        sFullFileName = sFLogFilePath + sFLogFileName;
    } else {
        sFullFileName = QFileInfo(sEXEName).absolutePath() + QLatin1Char('/') + sFLogFileName;
    }

    const bool bAppending = bFAppend && QFileInfo::exists(sFullFileName);
    QFile file(sFullFileName);
    if (!file.open(bAppending ? QIODevice::Append : QIODevice::WriteOnly | QIODevice::Truncate)) {
        bFileValid = false;
        sLastError =
            QStringLiteral("Unable to open log file <") + sFullFileName + QStringLiteral("> : ") + file.errorString();
        return false;
    }
    file.close();
    bFileValid = true;

    Add(QString(79, QLatin1Char('=')));
    Add((bAppending ? QStringLiteral("Log File appended : ") : QStringLiteral("Log File created : ")) +
        Now(sLongDateTimePattern));
    if (QFileInfo::exists(sEXEName)) {
        GetVersion(iDefaultLanguage, iDefaultCodePage);
        Add(QStringLiteral("V") + sVersion + QStringLiteral(" - Compiled : ") +
            FormatLogDateTime(QLatin1String(sLongDateTimePattern), GetExeDate(), Locale));
    } else {
        Add(QStringLiteral("Version details unknown"));
    }
    return true;
}

void TLog::Add(const QString& sVal) {
    if (!bFileValid || !bFlogging) {
        return;
    }
    // Appending only: a log file removed during the run is not recreated.
    QFile file(sFullFileName);
    if (!file.open(QIODevice::Append | QIODevice::ExistingOnly)) {
        return;
    }
    QString sLine = bFShowDateStamp ? Now(sLineStampPattern) + sVal : sVal;
    sLine += QLatin1String("\r\n");
    file.write(sLine.toUtf8());
}

void TLog::Error(const QString& sMessage) {
    Add(QStringLiteral("Error : ") + sMessage);
    if (oMessageUi) {
        oMessageUi->ShowError(sMessage);
    }
}

void TLog::Warning(const QString& sMessage) {
    Add(QStringLiteral("Warning : ") + sMessage);
    if (oMessageUi) {
        oMessageUi->ShowWarning(sMessage);
    }
}

bool TLog::Confirm(const QString& sMessage) {
    const bool bYes = oMessageUi != nullptr && oMessageUi->Confirm(sMessage);
    Add(QStringLiteral("Confirming : ") + sMessage +
        (bYes ? QStringLiteral(" - Result = Yes") : QStringLiteral(" - Result = No")));
    return bYes;
}

void TLog::GetVersion(quint16 dwLanguage, quint16 dwCodePage) {
    const int iSize = VersionInfo.Size();
    if (iSize == 0) {
        Add(QStringLiteral("No version information found"));
    } else {
        Add(QStringLiteral("VersionInfoSize = ") + QString::number(iSize));
        const QString sBlock = QStringLiteral("%1%2")
                                   .arg(dwLanguage, 4, 16, QLatin1Char('0'))
                                   .arg(dwCodePage, 4, 16, QLatin1Char('0'))
                                   .toUpper();
        const bool bTranslationFound = sBlock == VersionInfo.sTranslation;
        for (int i = 1; i <= iVersionNameCount && bTranslationFound; ++i) {
            const auto it = VersionInfo.Values.constFind(aVersionNames[std::size_t(i)]);
            if (it == VersionInfo.Values.cend()) {
                continue;
            }
            Add(aVersionNames[std::size_t(i)] + QStringLiteral(" = ") + it.value());
            if (i == 3) {
                sVersion = it.value();
            }
            sVersionStrings[std::size_t(i)] = it.value().trimmed();
        }
        const quint32 iFlags = VersionInfo.iFileFlags;
        bDebug = (iFlags & 0x01) != 0;
        bPreRelease = (iFlags & 0x02) != 0;
        bPatched = (iFlags & 0x04) != 0;
        bPrivateBuild = (iFlags & 0x08) != 0;
        bInfoInferred = (iFlags & 0x10) != 0;
        bSpecialBuild = (iFlags & 0x20) != 0;
        if (bPreRelease) {
            Add(QStringLiteral("Pre-Release Version"));
        }
    }
    DeriveShortVersions(sVersion.trimmed(), sShortVersion2, sShortVersion3);
}

void TLog::DeriveShortVersions(const QString& sVersionText, QString& sShort2, QString& sShort3) {
    const QStringList parts = sVersionText.split(QLatin1Char('.'));
    sShort2 = parts.mid(0, 2).join(QLatin1Char('.'));
    sShort3 = parts.mid(0, 3).join(QLatin1Char('.'));
}

QDateTime TLog::GetExeDate() const {
    return QFileInfo(sEXEName).lastModified();
}

void LogAndShowError(TLog& log, const QString& sMessage) {
    log.Add(sMessage);
    if (IMessageUi* ui = log.MessageUi()) {
        ui->ShowError(sMessage);
    }
}
