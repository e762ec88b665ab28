#pragma once

#include <QWidget>

// The panel that hosts the preview of the current popup. It reports the
// pointer position relative to itself for the status bar.
class TPreviewPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewPanel(QWidget* parent = nullptr);

signals:
    void PointerMoved(const QPoint& position);
    void PointerLeft();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
};
