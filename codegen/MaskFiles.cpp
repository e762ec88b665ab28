#include "MaskFiles.h"

#include <QSaveFile>

#include "TScriptForm.h"
#include "TextFile.h"

bool WriteMaskFiles(const TScriptContext& context, QStringList* outputFiles, bool bPreview) {
    const QString sStyleSheet = context.sProjectFolder + QStringLiteral("ZEPMask.css");
    bool bWritten = WriteTextLines(sStyleSheet, context.oScript.ZEPMaskCSSMemo);
    QString sPicture;
    if (!bPreview) {
        sPicture = context.sProjectFolder + QStringLiteral("ZEPMask.png");
        QSaveFile picture(sPicture);
        bWritten = picture.open(QIODevice::WriteOnly) &&
                   picture.write(context.oScript.ZEPMaskImage) == context.oScript.ZEPMaskImage.size() &&
                   picture.commit() && bWritten;
    }
    if (outputFiles != nullptr) {
        *outputFiles << sStyleSheet << sPicture;
    }
    return bWritten;
}
