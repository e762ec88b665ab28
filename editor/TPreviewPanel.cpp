#include "TPreviewPanel.h"

#include <QMouseEvent>

TPreviewPanel::TPreviewPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PreviewPanel"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setMinimumSize(320, 240);
}

void TPreviewPanel::mouseMoveEvent(QMouseEvent* event) {
    emit PointerMoved(event->position().toPoint());
    // Taken here: passed on, the move would reach the window around the panel,
    // which empties the position panel.
    event->accept();
}

void TPreviewPanel::leaveEvent(QEvent* event) {
    emit PointerLeft();
    QWidget::leaveEvent(event);
}
