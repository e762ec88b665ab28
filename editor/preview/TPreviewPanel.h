#pragma once

#include <QWidget>

class TPreviewBrowser;

// The panel that hosts the embedded browser of the preview. It reports the
// pointer position relative to itself and to the browser for the status bar,
// and a click into the browser.
class TPreviewPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewPanel(QWidget* parent = nullptr);

    TPreviewBrowser& Browser() { return *oBrowser; }

signals:
    void PointerMoved(const QPoint& position);
    void PointerLeft();
    void BrowserPointerMoved(const QPoint& position);
    void BrowserClicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The browser shows its pages in child widgets that it creates itself.
    void WatchBrowserChild(QObject* child);

    TPreviewBrowser* oBrowser;
};
