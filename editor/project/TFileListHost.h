#pragma once

#include "IFileListHost.h"

#include <functional>

class IEditorServices;
class QWidget;
class TEditableFilePages;
class TLog;

// The file lists dialog's side of the main window: the editable file pages,
// the status bar and the log, and the editor's message boxes and chooser.
class TFileListHost : public IFileListHost {
public:
    TFileListHost(IEditorServices& services, QWidget* parent, TEditableFilePages& pages, TLog& log,
                  std::function<void(const QString&)> status);

    void AddEditableFilePage(const QString& sFileName) override;
    void LoadEditableFile(const QString& sFileName) override;
    void RemoveEditableFile(const QString& sFileName) override;
    void Status(const QString& sText) override;
    void LogError(const QString& sText) override;
    void ShowError(const QString& sText) override;
    void ShowInfo(const QString& sText) override;
    QMessageBox::StandardButton Confirm(const QString& sQuestion, QMessageBox::StandardButtons buttons) override;
    QString ChooseFile(const QString& sCaption, const QString& sStartFolder) override;

private:
    IEditorServices& Services;
    QWidget* Parent;
    TEditableFilePages& Pages;
    TLog& Log;
    std::function<void(const QString&)> ShowStatus;
};
