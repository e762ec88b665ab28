#include "TRuntimePage.h"

#include "LibraryAssembly.h"
#include "TScriptForm.h"
#include "TZEPProject.h"
#include "TextFile.h"

#include <QFile>

namespace {

QString ReadResource(const QString& sName) {
    QFile file(sName);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

} // namespace

TRuntimePage::TRuntimePage(bool bFakeClock, QSize viewport) : TBrowserPage(bFakeClock, viewport) {
    TScriptForm store;
    store.InitialiseScript();
    TLibraryAssembly assembly(store);
    TInstanceList noInstances;
    QStringList outputFiles;
    assembly.WriteLibraryFile(noInstances, outputFiles, store.WriteDetectScriptMemo, LibraryPath());
    WriteTextFileWhole(oFolder.filePath(QStringLiteral("PopupHelpers.js")),
                       ReadResource(QStringLiteral(":/tests/runtime/PopupHelpers.js")));
    oServer = std::make_unique<TPageServer>(oFolder.path());
}

bool TRuntimePage::OpenFile(const QString& sFileName) {
    return Load(oServer->Url(sFileName));
}

QString TRuntimePage::LibraryPath() const {
    return oFolder.filePath(QStringLiteral("lib_zeplib.js"));
}

bool TRuntimePage::Open(const QString& sBodyHtml, const QString& sHeadHtml) {
    const QString sPage = QStringLiteral("page%1.html").arg(++iPageCount);
    const QString sHtml = QStringLiteral("<!DOCTYPE html>\n<html><head>\n"
                                         "<script src=\"lib_zeplib.js\"></script>\n"
                                         "<script src=\"PopupHelpers.js\"></script>\n") +
                          sHeadHtml + QStringLiteral("</head>\n<body style=\"margin:0\">\n") + sBodyHtml +
                          QStringLiteral("\n</body></html>\n");
    WriteTextFileWhole(oFolder.filePath(sPage), sHtml);
    return OpenFile(sPage);
}
