#pragma once

class IEditorServices;
class TLog;
class TMainForm;
class TProjectDocument;
class TUpLoadForm;

// The main window's upload command and its dialog. The dialog asks its
// questions and shows its errors with the editor's message boxes; the command
// uploads the document's upload list after the window's compiled-state check.
class TUpLoadCommands {
public:
    // The dialog is created as a child of the window, centred on the screen.
    TUpLoadCommands(IEditorServices& services, TLog& log, TMainForm& window, TProjectDocument& document);

    TUpLoadForm& Form() const { return *oForm; }
    // Uploads the files of the last compile; "Files UpLoaded Successfully"
    // in the status line when the dialog closes with Done.
    void UpLoadBtnClick();

private:
    IEditorServices& Services;
    TLog& Log;
    TMainForm& Window;
    TProjectDocument& Document;
    TUpLoadForm* oForm; // owned by the window
};
