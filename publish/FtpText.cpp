#include "FtpText.h"

#include <QStringList>

#include <algorithm>

TFtpSite SplitSite(const QString& sSite) {
    TFtpSite site{sSite.trimmed()};
    const qsizetype iColon = site.sHost.lastIndexOf(u':');
    const bool bBracketed = site.sHost.startsWith(u'[');
    const bool bHasPort = iColon > 0 && (bBracketed ? site.sHost.at(iColon - 1) == u']' : site.sHost.count(u':') == 1);
    if (bHasPort) {
        bool bNumber = false;
        site.iPort = site.sHost.mid(iColon + 1).toInt(&bNumber);
        if (!bNumber || site.iPort <= 0 || site.iPort > 65535) {
            site.iPort = 0;
        }
        site.sHost.truncate(iColon);
    }
    return site;
}

bool IsValidHostName(const QString& sHost) {
    if (sHost.startsWith(u'[')) {
        static const QString sIpv6Chars = QStringLiteral("0123456789abcdefABCDEF:.");
        const QString sInner = sHost.mid(1, sHost.size() - 2);
        return sHost.endsWith(u']') && !sInner.isEmpty() &&
               std::all_of(sInner.begin(), sInner.end(), [](QChar c) { return sIpv6Chars.contains(c); });
    }
    return !sHost.isEmpty() && std::all_of(sHost.begin(), sHost.end(), [](QChar c) {
        return c.isLetterOrNumber() || c == u'.' || c == u'-' || c == u'_';
    });
}

bool IsLoopbackHost(const QString& sHost) {
    if (sHost.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0 || sHost == QStringLiteral("[::1]") ||
        sHost == QStringLiteral("::1")) {
        return true;
    }
    const QStringList parts = sHost.split(u'.');
    return parts.size() == 4 && parts.front() == QStringLiteral("127") &&
           std::all_of(parts.begin(), parts.end(), [](const QString& sPart) {
               bool bNumber = false;
               const int iValue = sPart.toInt(&bNumber);
               return bNumber && !sPart.startsWith(u'+') && iValue >= 0 && iValue <= 255;
           });
}

bool HasLineBreak(const QString& sText) {
    return sText.contains(u'\r') || sText.contains(u'\n') || sText.contains(QChar(0));
}

QString ParseDirectoryReply(const QString& sReplyText) {
    const qsizetype iOpen = sReplyText.indexOf(u'"');
    if (iOpen < 0) {
        return sReplyText.trimmed();
    }
    QString sDir;
    for (qsizetype i = iOpen + 1; i < sReplyText.size(); ++i) {
        if (sReplyText.at(i) == u'"') {
            if (i + 1 >= sReplyText.size() || sReplyText.at(i + 1) != u'"') {
                break;
            }
            ++i;
        }
        sDir += sReplyText.at(i);
    }
    return sDir;
}
