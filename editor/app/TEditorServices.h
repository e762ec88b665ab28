#pragma once

#include "IMessageUi.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <memory>

class IClock;
class QDialog;
class QSettings;
class QWidget;

enum class CMessageKind { mkError, mkWarning, mkInformation, mkConfirmation };

// A file chooser: its caption, the folder it starts in, its filter in the
// form "Description|*.ext|..." and the extension added to a bare name.
struct TFileDialogRequest {
    QString sCaption;
    QString sStartFolder;
    QString sFilter;
    QString sDefaultSuffix;
};

// Everything the editor asks of the desktop: message boxes, file choosers,
// modal dialogs, the settings store, the clock and the shell. The start-up
// hands one to the main window; tests hand a scripted one.
class IEditorServices {
public:
    virtual ~IEditorServices() = default;

    // A modal message box; answers the button pressed (Cancel when the box
    // is closed without one).
    virtual QMessageBox::StandardButton Ask(QWidget* parent, CMessageKind kind, const QString& sText,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton) = 0;
    // A modal question whose buttons carry the given captions; answers the
    // caption pressed (empty when the box is closed without one).
    virtual QString AskChoice(QWidget* parent, const QString& sText, const QStringList& captions) = 0;
    // Choosers; an empty name when cancelled.
    virtual QString ChooseFolder(QWidget* parent, const QString& sCaption, const QString& sStartFolder) = 0;
    virtual QString ChooseOpenFile(QWidget* parent, const TFileDialogRequest& request) = 0;
    virtual QString ChooseSaveFile(QWidget* parent, const TFileDialogRequest& request) = 0;
    // Shows the dialog modally and answers its result.
    virtual int RunModal(QDialog& dialog) = 0;
    // The per-user settings store.
    virtual std::unique_ptr<QSettings> OpenSettings() = 0;
    virtual const IClock& Clock() const = 0;
    // Opens a file or an address with its default application; a relative
    // file name is taken from sFolder.
    virtual bool ShellOpen(const QString& sTarget, const QString& sFolder) = 0;
};

// The services of the real desktop.
class TDesktopServices : public IEditorServices {
public:
    TDesktopServices();
    ~TDesktopServices() override;

    QMessageBox::StandardButton Ask(QWidget* parent, CMessageKind kind, const QString& sText,
                                    QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton) override;
    QString AskChoice(QWidget* parent, const QString& sText, const QStringList& captions) override;
    QString ChooseFolder(QWidget* parent, const QString& sCaption, const QString& sStartFolder) override;
    QString ChooseOpenFile(QWidget* parent, const TFileDialogRequest& request) override;
    QString ChooseSaveFile(QWidget* parent, const TFileDialogRequest& request) override;
    int RunModal(QDialog& dialog) override;
    std::unique_ptr<QSettings> OpenSettings() override;
    const IClock& Clock() const override;
    bool ShellOpen(const QString& sTarget, const QString& sFolder) override;

private:
    std::unique_ptr<IClock> oClock;
};

// "Description|*.ext|Other|*.*" as a file dialog's filter list.
QString FileDialogFilter(const QString& sFilter);

// The message interface of the common code, answered with the services' boxes.
class TMessageUi : public IMessageUi {
public:
    TMessageUi(IEditorServices& services, QWidget* parent) : Services(services), Parent(parent) {}
    void ShowError(const QString& sMessage) override;
    void ShowWarning(const QString& sMessage) override;
    bool Confirm(const QString& sMessage) override;

private:
    IEditorServices& Services;
    QWidget* Parent;
};
