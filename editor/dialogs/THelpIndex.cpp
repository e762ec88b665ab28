#include "THelpIndex.h"

#include <QStringList>

void THelpIndex::Parse(const QString& sText) {
    Pages.clear();
    for (const QString& sLine : sText.split(QLatin1Char('\n'))) {
        const qsizetype iEquals = sLine.indexOf(QLatin1Char('='));
        if (iEquals <= 0)
            continue;
        const QString sKeyword = sLine.left(iEquals).trimmed().toLower();
        if (!sKeyword.isEmpty() && !Pages.contains(sKeyword))
            Pages.insert(sKeyword, sLine.mid(iEquals + 1).trimmed());
    }
}

QString THelpIndex::PageFor(const QString& sKeyword) const {
    const QString sKey = sKeyword.trimmed().toLower();
    if (sKey.isEmpty())
        return QString::fromLatin1(sIndexPage);
    return Pages.value(sKey);
}
