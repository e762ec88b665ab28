#include "TColourSwatch.h"

#include "GuiColours.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

TColourSwatch::TColourSwatch(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TColourSwatch::SetColour(quint32 colour) {
    iColour = colour & 0xFFFFFF;
    update();
}

void TColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect frame = rect().adjusted(1, 1, -2, -2);
    // A disabled swatch shows its colour behind a pattern, as the field
    // beside it is greyed.
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.setBrush(ToQColor(iColour));
    painter.drawRect(frame);
    if (!isEnabled())
        painter.fillRect(frame.adjusted(1, 1, 0, 0), QBrush(palette().color(QPalette::Window), Qt::Dense4Pattern));
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
