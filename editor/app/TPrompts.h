#pragma once

#include "IMessageUi.h"

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QWidget;

// Every message box and file dialog of the editor goes through these
// functions. A test queues answers in advance; a queued answer is taken
// instead of showing the window, and the texts asked are recorded.
namespace TPrompts {

enum class CMessageKind { mkError, mkWarning, mkInformation, mkConfirmation };

// Shows a modal message box and answers the button pressed (Cancel, or the
// Escape button, when the box is closed).
QMessageBox::StandardButton Ask(QWidget* parent, CMessageKind kind, const QString& sText,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

// A folder chooser; empty when cancelled.
QString ChooseFolder(QWidget* parent, const QString& sCaption, const QString& sStartFolder);

// Test seams.
void setNextAnswer(QMessageBox::StandardButton answer);
void setNextFileName(const QString& sFileName); // an empty name stands for Cancel
QStringList AskedTexts();                       // texts of the boxes asked since the last reset
// Scripted: a box or dialog without a queued answer is answered Cancel (an
// empty name) instead of being shown, so a test never waits for a person.
void ResetForTest(bool bScripted = true);

} // namespace TPrompts

// The message interface of the common code, answered with the boxes above.
class TMessageUi : public IMessageUi {
public:
    explicit TMessageUi(QWidget* parent = nullptr) : Parent(parent) {}
    void ShowError(const QString& sMessage) override;
    void ShowWarning(const QString& sMessage) override;
    bool Confirm(const QString& sMessage) override;

private:
    QWidget* Parent;
};
