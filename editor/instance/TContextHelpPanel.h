#pragma once

#include <QGroupBox>

#include <functional>

class QPlainTextEdit;

// The context help below the editor groups: the hint of the control under the
// pointer as its caption and the hint's help text in a read-only box.
class TContextHelpPanel : public QGroupBox {
    Q_OBJECT
public:
    // Answers the help text of a hint; empty when there is none.
    using THelpLookup = std::function<QString(const QString&)>;

    explicit TContextHelpPanel(QWidget* parent = nullptr);

    void SetHelpLookup(THelpLookup lookup) { HelpLookup = std::move(lookup); }
    // Shows the trimmed hint followed by ":" and its help text. An empty hint
    // or one without help text leaves the panel as it is.
    void ShowHint(const QString& sHint);

    QPlainTextEdit* ContextHelpText = nullptr;

private:
    THelpLookup HelpLookup;
};
