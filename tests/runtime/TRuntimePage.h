#pragma once

#include "TBrowserPage.h"

#include <QTemporaryDir>

// A browser page that loads the compiled runtime library file (written by the
// library assembly, gate included) and the test helpers of PopupHelpers.js
// (makePopup, buildPopup, geo) from a temporary folder.
class TRuntimePage : public TBrowserPage {
public:
    explicit TRuntimePage(bool bFakeClock = true, QSize viewport = QSize(1000, 800));

    // Writes the page with the extra body HTML and loads it; false on failure.
    bool Open(const QString& sBodyHtml = QString(), const QString& sHeadHtml = QString());
    // The folder holding the library file ("lib_zeplib.js") and the pages.
    QString Folder() const { return oFolder.path(); }
    QString LibraryPath() const;

private:
    QTemporaryDir oFolder;
    int iPageCount = 0;
};
