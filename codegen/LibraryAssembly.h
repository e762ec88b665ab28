#pragma once

#include <QString>
#include <QStringList>

class TInstanceList;
class TScriptForm;
class TZEPInstance;

// Assembles the runtime library from the store's sections and writes the
// library file. The store's working copy must have been refilled
// (InitialiseScript) before.
class TLibraryAssembly {
public:
    explicit TLibraryAssembly(const TScriptForm& oScriptForm) : oScriptForm(oScriptForm) {}

    // The thirteen sections' code in order, as one line. The instance does not
    // change the text; every section is always included.
    QString GetLibraryCode(const TZEPInstance* oInstance) const;
    // The same code wrapped in a function of its own and run, as a page's inline script.
    QString GetScopedLibraryCode(const TZEPInstance* oInstance) const;
    // The text with "close.gif" and "resize.gif" redirected to the instance's
    // custom folder when it uses one (a local folder written with forward
    // slashes, a web address as typed); otherwise the text unchanged.
    static QString SetCustomImagePaths(const TZEPInstance& oInstance, const QString& sText);
    // Writes the library file: header and notice lines, the scope's opening line,
    // gate lines 1 and 2, the library text (adapted to the custom folder of a
    // single instance), gate line 3 and the scope's closing line. Fails, writing
    // nothing, when the gate has fewer than three lines or the file cannot be
    // written; on success appends the path to outputFiles.
    bool WriteLibraryFile(const TInstanceList& instances, QStringList& outputFiles, const QStringList& gateLines,
                          const QString& sPath);
    const QString& GetLastError() const { return sLastError; }

private:
    const TScriptForm& oScriptForm;
    QString sLastError;
};
