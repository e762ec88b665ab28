#include "TVersionTexts.h"

#include <QStringList>

QString AboutVersionLine(const QString& sVersion) {
    QString sShown = sVersion.trimmed();
    QString sBuild;
    for (qsizetype p = sShown.size() - 3; p >= 0; --p) {
        if (sShown[p] == QLatin1Char('.')) {
            sBuild = QStringLiteral("Build ") + sShown.mid(p + 1);
            sShown = sShown.left(p);
            break;
        }
    }
    return QStringLiteral("Version: ") + sShown + QStringLiteral(",   ") + sBuild;
}

QString LongVersionString(const QString& sVersion) {
    const QStringList parts = sVersion.split(QLatin1Char('.'));
    QString sDigits;
    for (int i = 0; i < 4; ++i) {
        const int iPart = i < parts.size() ? parts[i].trimmed().toInt() : 0;
        sDigits += QStringLiteral("%1").arg(iPart, 3, 10, QLatin1Char('0'));
    }
    return sDigits;
}

QString TitleBase(const QString& sFileDescription, const QString& sShortVersion2) {
    return sFileDescription + QStringLiteral(" - V") + sShortVersion2;
}
