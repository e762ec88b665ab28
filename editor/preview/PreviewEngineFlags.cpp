#include "PreviewEngineFlags.h"

#include <QStringList>
#include <QtGlobal>

namespace PreviewEngineFlags {

QString WithPreviewFlags(const QString& sFlags) {
    QStringList flags;
    if (!sFlags.contains(QLatin1String("--js-flags=")))
        flags << QStringLiteral("--js-flags=--optimize-for-size");
    if (!sFlags.contains(QLatin1String("--log-level=")) && !sFlags.contains(QLatin1String("--enable-logging")))
        flags << QStringLiteral("--log-level=3");
    if (const QString sRest = sFlags.trimmed(); !sRest.isEmpty())
        flags << sRest;
    return flags.join(u' ');
}

void Apply() {
    qputenv(sVariable, WithPreviewFlags(qEnvironmentVariable(sVariable)).toLocal8Bit());
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsEmpty(sAccessibilityVariable))
        qputenv(sAccessibilityVariable, "1");
#endif
}

} // namespace PreviewEngineFlags
