#pragma once

#include "TPreviewToolBar.h"

#include <QWidget>

class TPreviewBrowser;
class TPreviewGenerator;
class TPreviewPlayer;

// The preview pane: the visitor's tool bar above the embedded browser, which
// lays the page out for the chosen device. It reports the pointer position
// relative to itself and to the browser for the status bar, and a click into
// the browser.
class TPreviewPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewPanel(QWidget* parent = nullptr);

    TPreviewBrowser& Browser() { return *oBrowser; }
    TPreviewToolBar& ToolBar() { return *oToolBar; }
    // Plays the visitor on the generator's previews, on the device of that name
    // (Desktop when there is none of it).
    void Play(TPreviewGenerator& generator, const QString& sDevice);
    // The player, once Play has run.
    TPreviewPlayer* Player() const { return oPlayer; }

signals:
    void PointerMoved(const QPoint& position);
    void PointerLeft();
    void BrowserPointerMoved(const QPoint& position);
    void BrowserClicked();
    // The designer chose another device.
    void DeviceChanged(const QString& sName);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The browser shows its pages in child widgets that it creates itself.
    void WatchBrowserChild(QObject* child);
    void UseDevice(const TPreviewDevice& device);
    // Sizes the browser for the device: its CSS size, scaled down to fit the stage.
    void FitDevice();

    TPreviewToolBar* oToolBar;
    QWidget* oStage;
    TPreviewBrowser* oBrowser;
    TPreviewPlayer* oPlayer = nullptr;
    TPreviewDevice Device = PreviewDevices[0];
};
