#include "LibraryAssembly.h"

#include "ScriptString.h"
#include "StringUtils.h"
#include "TScriptForm.h"
#include "TZEPProject.h"
#include "TextFile.h"

#include <QRegularExpression>

namespace {

// The library runs inside a function of its own, so that its names stay off the page's global object.
const QString sScopeOpen = QStringLiteral("(function(){");
const QString sScopeClose = QStringLiteral("})();");

const QStringList LibrarySections = {
    QStringLiteral("main"),         QStringLiteral("zepDrop"),     QStringLiteral("zepSlide"),
    QStringLiteral("zepFade"),      QStringLiteral("moveResize"),  QStringLiteral("incAPI"),
    QStringLiteral("followScroll"), QStringLiteral("absoluteLoc"), QStringLiteral("cookie"),
    QStringLiteral("zep"),          QStringLiteral("zepTimer"),    QStringLiteral("tooltip"),
    QStringLiteral("iframeShim"),
};

QString RedirectImage(const QString& sText, const QString& sImage, const QString& sFolder) {
    QString sResult = sText;
    return sResult.replace(sImage, sFolder + QLatin1Char('/') + sImage, Qt::CaseSensitive);
}

// A web address ("scheme://...") is used as typed; a local folder may be typed with backslashes, which a browser
// reads only as forward slashes (and a script string would take as escapes).
QString ImageFolder(const QString& sCustomPath) {
    static const QRegularExpression webAddress(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    QString sFolder = TrimText(sCustomPath);
    if (!webAddress.match(sFolder).hasMatch()) {
        sFolder.replace(QLatin1Char('\\'), QLatin1Char('/'));
    }
    return sFolder;
}

} // namespace

QString TLibraryAssembly::GetLibraryCode(const TZEPInstance* /*oInstance*/) const {
    QString sCode;
    for (const QString& sSection : LibrarySections) {
        sCode += oScriptForm.GetSectionCode(sSection);
    }
    return sCode;
}

QString TLibraryAssembly::GetScopedLibraryCode(const TZEPInstance* oInstance) const {
    return sScopeOpen + GetLibraryCode(oInstance) + sScopeClose;
}

QString TLibraryAssembly::SetCustomImagePaths(const TZEPInstance& oInstance, const QString& sText) {
    if (oInstance.bUseCustom != 1) {
        return sText;
    }
    // The names stand in a script string, so the folder is escaped as one: a quotation mark stays data.
    const QString sFolder = EscapeScriptString(ImageFolder(oInstance.sCustomPath));
    return RedirectImage(RedirectImage(sText, QStringLiteral("close.gif"), sFolder), QStringLiteral("resize.gif"),
                         sFolder);
}

bool TLibraryAssembly::WriteLibraryFile(const TInstanceList& instances, QStringList& outputFiles,
                                        const QStringList& gateLines, const QString& sPath) {
    if (gateLines.size() < 3) {
        sLastError = QStringLiteral("The browser gate has fewer than three lines");
        return false;
    }
    QStringList lines = oScriptForm.GetListWithScriptHeader();
    lines << sScopeOpen << gateLines[0] << gateLines[1];
    if (instances.Count() == 1) {
        const TZEPInstance& oInstance = instances.Instance(0);
        lines << SetCustomImagePaths(oInstance, GetLibraryCode(&oInstance));
    } else {
        lines << GetLibraryCode(nullptr);
    }
    lines << gateLines[2] << sScopeClose;
    if (!WriteTextLines(sPath, lines)) {
        sLastError = QStringLiteral("Unable to write to <") + sPath + QLatin1Char('>');
        return false;
    }
    outputFiles << sPath;
    return true;
}
