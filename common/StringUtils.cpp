#include "StringUtils.h"

#include <algorithm>
#include <cmath>

QString TrimText(const QString& sText) {
    qsizetype iStart = 0;
    qsizetype iEnd = sText.size();
    while (iStart < iEnd && sText.at(iStart).unicode() <= 32) {
        ++iStart;
    }
    while (iEnd > iStart && sText.at(iEnd - 1).unicode() <= 32) {
        --iEnd;
    }
    return sText.mid(iStart, iEnd - iStart);
}

QString GetBaseFileName(const QString& sPath) {
    const qsizetype iSeparator = std::max(sPath.lastIndexOf(QLatin1Char('/')), sPath.lastIndexOf(QLatin1Char('\\')));
    QString sName = TrimText(sPath.mid(iSeparator + 1));
    const qsizetype iDot = sName.lastIndexOf(QLatin1Char('.'));
    if (iDot >= 0) {
        sName.truncate(iDot);
    }
    return sName;
}

int LastPos(QChar c, const QString& sText) {
    return int(sText.lastIndexOf(c) + 1);
}

int StrToIntZero(const QString& sText) {
    bool bOk = false;
    const int iValue = TrimText(sText).toInt(&bOk, 10);
    return bOk ? iValue : 0;
}

double StrToFloatNoSeparators(const QString& sText, const QLocale& locale) {
    const QString sGroup = locale.groupSeparator();
    QString sNumber = TrimText(sText);
    if (sGroup.size() == 1) {
        sNumber = RemoveChar(sGroup.at(0), sNumber);
    } else if (!sGroup.isEmpty()) {
        sNumber.remove(sGroup);
    }
    bool bOk = false;
    const double fValue = locale.toDouble(sNumber, &bOk);
    return bOk && std::isfinite(fValue) ? fValue : 0.0;
}

QString RemoveChar(QChar c, const QString& sText) {
    return TrimText(sText).remove(c);
}

QString RemoveControlChars(const QString& sText) {
    QString sResult;
    sResult.reserve(sText.size());
    for (const QChar c : sText) {
        if (c.unicode() > 31) {
            sResult += c;
        }
    }
    return sResult;
}

QString Bracketed(const QString& sPath) {
    return u'<' + sPath + u'>';
}

QString EscapeQuotes(const QString& sText) {
    QString sResult = sText;
    return sResult.replace(QLatin1Char('"'), QLatin1String("\\\""));
}

void SplitAtDelimiter(const QString& sText, const QString& sDelimiter, QString& sHead, QString& sRest) {
    const QString sTrimmed = TrimText(sText);
    const qsizetype iPos = sDelimiter.isEmpty() ? -1 : sTrimmed.indexOf(sDelimiter);
    if (iPos < 0) {
        sHead = sTrimmed;
        sRest.clear();
        return;
    }
    sHead = TrimText(sTrimmed.left(iPos));
    sRest = TrimText(sTrimmed.mid(iPos + sDelimiter.size()));
}

QString RemoveTrailingBackslash(const QString& sPath) {
    QString sResult = TrimText(sPath);
    if (sResult.endsWith(QLatin1Char('\\')) || sResult.endsWith(QLatin1Char('/'))) {
        sResult.chop(1);
    }
    return sResult;
}
