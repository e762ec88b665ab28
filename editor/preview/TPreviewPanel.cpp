#include "TPreviewPanel.h"

#include "TPreviewBrowser.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWebEngineView>

TPreviewPanel::TPreviewPanel(QWidget* parent) : QWidget(parent), oBrowser(new TPreviewBrowser(this)) {
    setObjectName(QStringLiteral("PreviewPanel"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setMinimumSize(240, 180);

    QWebEngineView* view = oBrowser->View();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    view->installEventFilter(this);
    for (QObject* child : view->children())
        WatchBrowserChild(child);
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

void TPreviewPanel::WatchBrowserChild(QObject* child) {
    if (child->isWidgetType())
        child->installEventFilter(this);
}

bool TPreviewPanel::eventFilter(QObject* watched, QEvent* event) {
    QWebEngineView* view = oBrowser->View();
    if (watched == view) {
        if (event->type() == QEvent::ChildAdded)
            WatchBrowserChild(static_cast<QChildEvent*>(event)->child());
        return QWidget::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !view->isAncestorOf(widget))
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        emit BrowserPointerMoved(widget->mapTo(view, static_cast<QMouseEvent*>(event)->position().toPoint()));
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            emit BrowserClicked();
        break;
    case QEvent::Leave:
        emit PointerLeft();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
