#include "THelpPicture.h"

#include <QEnterEvent>
#include <QPainter>

THelpPicture::THelpPicture(const QString& sHelpKeyword, const QString& sAccessibleName, QWidget* parent)
    : QAbstractButton(parent), sKeyword(sHelpKeyword) {
    setAccessibleName(sAccessibleName);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
    connect(this, &QAbstractButton::clicked, this, [this] { emit HelpRequested(sKeyword); });
}

THelpPicture::CPicture THelpPicture::Picture() const {
    if (isDown())
        return hpPressed;
    return bPointerOver ? hpHighlighted : hpNormal;
}

void THelpPicture::enterEvent(QEnterEvent* event) {
    bPointerOver = true;
    update();
    QAbstractButton::enterEvent(event);
}

void THelpPicture::leaveEvent(QEvent* event) {
    bPointerOver = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void THelpPicture::paintEvent(QPaintEvent*) {
    static const QColor fills[] = {QColor(0x1C, 0x5E, 0xA2), QColor(0x3C, 0x8E, 0xE2), QColor(0x0E, 0x2F, 0x51)};
    const CPicture picture = Picture();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QRectF circle = QRectF(rect()).adjusted(1, 1, -1, -1);
    if (picture == hpPressed)
        circle.translate(0.5, 0.5);
    painter.setPen(hasFocus() ? QPen(palette().color(QPalette::Highlight), 2) : Qt::NoPen);
    painter.setBrush(fills[picture]);
    painter.drawEllipse(circle);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(circle, Qt::AlignCenter, QStringLiteral("?"));
}
