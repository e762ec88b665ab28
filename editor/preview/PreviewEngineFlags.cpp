#include "PreviewEngineFlags.h"

#include <QtGlobal>

namespace PreviewEngineFlags {

QString WithPreviewFlags(const QString& sFlags) {
    if (sFlags.contains(QLatin1String("--js-flags=")))
        return sFlags;
    const QString sOwn = QStringLiteral("--js-flags=--optimize-for-size");
    const QString sRest = sFlags.trimmed();
    return sRest.isEmpty() ? sOwn : sOwn + u' ' + sRest;
}

void Apply() {
    qputenv(sVariable, WithPreviewFlags(qEnvironmentVariable(sVariable)).toLocal8Bit());
}

} // namespace PreviewEngineFlags
