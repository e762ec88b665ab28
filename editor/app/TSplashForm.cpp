#include "TSplashForm.h"

#include "TClock.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

TSplashForm::TSplashForm(const IClock& clock, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Clock(clock) {
    setObjectName(QStringLiteral("SplashForm"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(464, 149);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    SplashTimer.setSingleShot(true);
    SplashTimer.setInterval(1800);
    connect(&SplashTimer, &QTimer::timeout, this, &TSplashForm::SplashTimerTimer);
}

void TSplashForm::showEvent(QShowEvent* event) {
    bFading = false;
    SplashTimer.start();
    QWidget::showEvent(event);
}

void TSplashForm::SplashTimerTimer() {
    SplashTimer.stop();
    if (!bStartMainProgram) {
        bStartMainProgram = true;
        emit StartMainProgram();
    }
    if (!bFading) {
        SplashTimer.setInterval(iFadeInterval);
        bFading = true;
        dwTimeOut = Clock.TickCount() + iFadeTimeOut;
    }
    if (iOpacity > iFadeStep && qint32(Clock.TickCount() - dwTimeOut) <= 0) {
        iOpacity -= iFadeStep;
        setWindowOpacity(iOpacity / 255.0);
        SplashTimer.start();
    } else {
        close();
    }
}

void TSplashForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient background(0, 0, width(), height());
    background.setColorAt(0.0, QColor(0x1f, 0x4e, 0x8c));
    background.setColorAt(1.0, QColor(0x6c, 0xb4, 0xee));
    painter.fillRect(rect(), background);
    QSvgRenderer(QStringLiteral(":/editor/brisola.svg")).render(&painter, QRectF(24, 24, 100, 100));
    painter.setPen(Qt::white);
    QFont titleFont = font();
    titleFont.setPointSize(30);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.drawText(QRect(150, 22, 300, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Brisola"));
    QFont lineFont = font();
    lineFont.setPointSize(11);
    painter.setFont(lineFont);
    painter.drawText(QRect(150, 84, 300, 50), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("DHTML popups for your web pages\nWendmark Software"));
}
