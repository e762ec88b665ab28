#pragma once

class IEditorServices;
class QGroupBox;
class QLabel;
class QMainWindow;
class QPlainTextEdit;
class QString;
#include <QStringList>
class QTabBar;
class QWidget;
class TInstanceEditor;
class TPreviewPanel;

// The widgets of the main window: the instance tabs over the instance editor
// and the context help panel, the preview beside them, and the two status
// bar panels (status text, pointer position over the preview).
struct TMainLayout {
    QTabBar* InstanceTabs = nullptr;
    TInstanceEditor* InstanceEditor = nullptr;
    QGroupBox* ContextHelpPanel = nullptr;
    QPlainTextEdit* ContextHelpMemo = nullptr;
    TPreviewPanel* PreviewPanel = nullptr;
    QLabel* StatusPanel = nullptr;
    QLabel* PointerPanel = nullptr;

    // The editor's handlers do nothing while bUpdating is set; it asks its
    // dialogs and errors through the services.
    void Build(QMainWindow& window, bool& bUpdating, IEditorServices& services);
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
    QWidget* BuildEditorColumn(QWidget* parent, bool& bUpdating, IEditorServices& services);
    void BuildStatusBar(QMainWindow& window);
};
