#include "TPreviewPanel.h"

#include "TPreviewBrowser.h"
#include "TPreviewPlayer.h"

#include <QChildEvent>
#include <QGridLayout>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <algorithm>

namespace {

// The engine's smallest zoom.
constexpr double dMinimumZoom = 0.25;

} // namespace

TPreviewPanel::TPreviewPanel(QWidget* parent)
    : QWidget(parent), oToolBar(new TPreviewToolBar(this)), oStage(new QWidget(this)),
      oBrowser(new TPreviewBrowser(oStage)) {
    setObjectName(QStringLiteral("PreviewPanel"));
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setMinimumSize(240, 180);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(oToolBar);
    layout->addWidget(oStage, 1);
    oStage->setMouseTracking(true);
    oStage->installEventFilter(this);
    QWebEngineView* view = oBrowser->View();
    auto* stageLayout = new QGridLayout(oStage);
    stageLayout->setContentsMargins(0, 0, 0, 0);
    stageLayout->addWidget(view, 0, 0);
    view->installEventFilter(this);
    for (QObject* child : view->children())
        WatchBrowserChild(child);
}

void TPreviewPanel::Play(TPreviewGenerator& generator, const QString& sDevice) {
    oPlayer = new TPreviewPlayer(*oBrowser, generator, *oToolBar, this);
    connect(oToolBar, &TPreviewToolBar::DeviceChosen, this, [this](const TPreviewDevice& device) {
        UseDevice(device);
        emit DeviceChanged(QLatin1String(device.sName));
    });
    for (const TPreviewDevice& device : PreviewDevices) {
        if (sDevice == QLatin1String(device.sName)) {
            oToolBar->SetDevice(sDevice);
            UseDevice(device);
        }
    }
}

void TPreviewPanel::UseDevice(const TPreviewDevice& device) {
    Device = device;
    FitDevice();
    oPlayer->SetTouch(device.bTouch);
}

void TPreviewPanel::FitDevice() {
    QWebEngineView* view = oBrowser->View();
    auto* stageLayout = static_cast<QGridLayout*>(oStage->layout());
    if (Device.iWidth == 0) {
        view->setMinimumSize(0, 0);
        view->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        stageLayout->setAlignment(view, Qt::Alignment());
        view->setZoomFactor(1.0);
        return;
    }
    const double dZoom =
        std::max(dMinimumZoom,
                 std::min({1.0, double(oStage->width()) / Device.iWidth, double(oStage->height()) / Device.iHeight}));
    view->setFixedSize(qRound(Device.iWidth * dZoom), qRound(Device.iHeight * dZoom));
    stageLayout->setAlignment(view, Qt::AlignHCenter | Qt::AlignTop);
    view->setZoomFactor(dZoom);
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
    if (watched == oStage) {
        if (event->type() == QEvent::Resize && Device.iWidth != 0)
            FitDevice();
        else if (event->type() == QEvent::MouseMove)
            emit PointerMoved(oStage->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()));
        return QWidget::eventFilter(watched, event);
    }
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
