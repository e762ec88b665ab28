#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The script template store: every fixed text from which generated output is
// built (the runtime library template with its thirteen sections, the preview
// and mask pages, the mask style sheet and picture, the browser gate, the
// notice lines of generated scripts and the context help texts).
//
// The templates are compiled in as resources and never change. The section
// operations work on ScriptList, a working copy of SourceScriptFile that
// InitialiseScript refills; it is empty until the first InitialiseScript.
class TScriptForm {
public:
    TScriptForm();
    TScriptForm(const TScriptForm&) = delete;
    TScriptForm& operator=(const TScriptForm&) = delete;

    // The application's version text, written into the header line of every
    // generated script: the program's file version (the session log's
    // sVersion) unless the caller sets another.
    QString sVersion;

    const QStringList SourceScriptFile;
    const QStringList LibraryFileHeaderMemo;
    const QStringList WriteDetectScriptMemo;
    const QStringList PreviewHTMLDefaultMemo;
    const QStringList InternalHTMLMemo;
    const QStringList ZEPModalInternalHTMLMemo;
    const QStringList ZEPMaskCSSMemo;
    // The mask picture: the bytes of a 50 x 50 PNG file.
    const QByteArray ZEPMaskImage;
    const QStringList HelpTitleMemo;
    const QStringList HelpLinesMemo;

    // Working copy of SourceScriptFile, one entry per line.
    QStringList ScriptList;

    // Refills ScriptList from SourceScriptFile.
    void InitialiseScript();
    // The section's lines without comment lines, in template order; empty for
    // an unknown section or a marker on the first line.
    QStringList GetSection(const QString& sName) const;
    // The section as one text without line breaks: blank and comment lines
    // dropped, control characters removed, lines joined without separator.
    QString GetSectionCode(const QString& sName) const;
    // The header line with the application's and the script's versions, then
    // the notice lines.
    QStringList GetListWithScriptHeader() const;
    // The help text for a title (trimmed, letter case ignored), or empty.
    QString ContextHelpString(const QString& sTitle) const;
};
