#pragma once

#include "TBrowserPage.h"
#include "TPageServer.h"

#include <QTemporaryDir>

#include <memory>

// A browser page that loads the compiled runtime library file (written by the
// library assembly, gate included) and the test helpers of PopupHelpers.js
// (makePopup, buildPopup, geo, trace, mouseAt) from a temporary folder, served
// over HTTP from 127.0.0.1 so that cookies work. Every Open writes a new page
// into the same folder and loads it in the same browser profile, so cookies
// carry over from one page view to the next as on a real site.
class TRuntimePage : public TBrowserPage {
public:
    explicit TRuntimePage(bool bFakeClock = true, QSize viewport = QSize(1000, 800));

    // Writes the page with the extra body HTML and loads it; false on failure.
    bool Open(const QString& sBodyHtml = QString(), const QString& sHeadHtml = QString());
    // The folder holding the library file ("lib_zeplib.js") and the pages.
    QString Folder() const { return oFolder.path(); }
    QString LibraryPath() const;
    // Loads a file of the folder over HTTP.
    bool OpenFile(const QString& sFileName);
    // Serves every file from now on with the Content-Security-Policy header (enforced, not report-only).
    void SetPolicy(const QByteArray& policy) { oServer->AddHeader("Content-Security-Policy: " + policy); }

private:
    QTemporaryDir oFolder;
    std::unique_ptr<TPageServer> oServer;
    int iPageCount = 0;
};
