#include "TTipSequence.h"

#include "TClock.h"

#include <QFile>

TTipSequence::TTipSequence(QStringList tips, const IClock& clock) : Tips(std::move(tips)), Clock(clock) {}

QStringList TTipSequence::LoadTips() {
    QFile file(QStringLiteral(":/editor/tips.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList tips;
    for (const QString& sLine : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (!sLine.trimmed().isEmpty())
            tips.append(sLine.trimmed());
    }
    return tips;
}

QString TTipSequence::Current() {
    if (Tips.isEmpty())
        return {};
    iCurrentTip %= Count();
    return Tips[iCurrentTip];
}

QString TTipSequence::Next(bool bRandomTips) {
    if (Tips.isEmpty())
        return {};
    iCurrentTip = bRandomTips ? int(Clock.TickCount() % quint32(Count())) : (iCurrentTip + 1) % Count();
    return Current();
}
