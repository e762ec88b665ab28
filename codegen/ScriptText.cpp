#include "ScriptText.h"

namespace {

QString DelayText(const std::optional<int>& iDelay) {
    return iDelay ? QString::number(*iDelay) : QStringLiteral("''");
}

} // namespace

QString TTimerCall::Text() const {
    QString sText = sVariable + QStringLiteral(".zepTimer(") + sQuotedID + QLatin1Char(',');
    for (const QString& sFunction : Functions)
        sText += QLatin1Char('\'') + sFunction + QStringLiteral("',");
    return sText + DelayText(iFirstDelay) + QLatin1Char(',') + DelayText(iSecondDelay) + QStringLiteral(");");
}
