#pragma once

#include <QString>
#include <QStringList>

// Where the code generators send their reports. The editor writes to the
// session log and shows message boxes; the command line writes to its
// streams; tests record what arrives.
class ICodegenReport {
public:
    virtual ~ICodegenReport() = default;
    // Writes a plain line to the session log.
    virtual void Log(const QString& sText) = 0;
    // Writes the message to the session log and shows it as an error.
    virtual void ShowError(const QString& sText) = 0;
};

// What the compile results dialog shows, one entry per line.
struct TCompileResults {
    QStringList ScriptBody;    // the script includes to paste after the <body> tag
    QStringList IncludeFiles;  // the files to upload
    QStringList OnMouseSyntax; // the event links of click, mouse and tooltip popups
    QStringList AnchorSyntax;  // one anchor element per anchored popup
    bool bShowFormBox = true;  // "Show this form every time"
};

// The questions, saves and displays of a compile. The core never asks the
// user anything itself: the editor answers with dialogs, the command line
// without prompts and tests with scripted answers.
class ICompileUi : public ICodegenReport {
public:
    // A confirmation with OK and Cancel; true on OK.
    virtual bool Confirm(const QString& sQuestion) = 0;
    // A confirmation with Yes and No; true on Yes.
    virtual bool AskYesNo(const QString& sQuestion) = 0;
    // An information box with OK.
    virtual void ShowInfo(const QString& sText) = 0;
    // A status bar text; the implementation also logs it as "Status [" text "]".
    virtual void Status(const QString& sText) = 0;
    // Sets the main window caption.
    virtual void SetCaption(const QString& sCaption) = 0;
    // Saves the project under its current name; true on success.
    virtual bool SaveProject() = 0;
    // Saves the project under a name the user chooses; true on success.
    virtual bool SaveProjectAs() = 0;
    // Shows the compile results and returns when they are closed; answers the
    // state of "Show this form every time" at closing.
    virtual bool ShowResults(const TCompileResults& results) = 0;
};
