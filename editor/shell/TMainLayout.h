#pragma once

class QGroupBox;
class QLabel;
class QMainWindow;
class QPlainTextEdit;
class QStackedWidget;
class QString;
#include <QStringList>
class QTabBar;
class QWidget;
class TPreviewPanel;

// The widgets of the main window: the instance tabs over the editor groups
// and the context help panel, the preview beside them, and the two status
// bar panels (status text, pointer position over the preview).
struct TMainLayout {
    QTabBar* InstanceTabs = nullptr;
    QStackedWidget* EditorGroups = nullptr;
    QGroupBox* ContextHelpPanel = nullptr;
    QPlainTextEdit* ContextHelpMemo = nullptr;
    TPreviewPanel* PreviewPanel = nullptr;
    QLabel* StatusPanel = nullptr;
    QLabel* PointerPanel = nullptr;

    void Build(QMainWindow& window);
    // One tab per caption, the first selected.
    void FillInstanceTabs(const QStringList& captions);
    // The context panel shows the hint followed by ":" and its help text.
    void ShowContextHelp(const QString& sHint, const QString& sHelp);
    // The pointer moved over the widget: outside the preview, no position shows.
    void PointerMovedOver(QWidget* widget);
    QString StatusText() const;
    QString PointerText() const;
    QString ContextHelpText() const;

private:
    QWidget* BuildEditorColumn(QWidget* parent);
    void BuildStatusBar(QMainWindow& window);
};
