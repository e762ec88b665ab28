#include "TColumnFeatureDelegate.h"

#include "GuiColours.h"
#include "TFormatGrid.h"

#include <QApplication>
#include <QPainter>

namespace {

constexpr int iTextMargin = 3;

} // namespace

TColumnFeatureDelegate::TColumnFeatureDelegate(const TFormatGrid& grid, QObject* parent)
    : QStyledItemDelegate(parent), oGrid(grid) {}

void TColumnFeatureDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    const TColumnFeature* feature = oGrid.ColumnFeature(index.column());
    if (!feature) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QPalette& palette = option.palette;
    const QRect cell = option.rect;
    painter->save();
    painter->fillRect(cell, ToDisplayColour(oGrid.CellColour(*feature, index.row()), palette));

    const QFont font = ToQFont(feature->ColFont);
    const QFontMetrics metrics(font);
    const QString sText = PrepareCellText(index.data(Qt::DisplayRole).toString(), feature->ColDataType);
    const int iRight = cell.left() + cell.width();
    const int iLeft = AlignedTextLeft(feature->ColAlignment, cell.left() + iTextMargin, iRight - iTextMargin,
                                      metrics.horizontalAdvance(sText));
    const int iTop = (cell.top() + cell.top() + cell.height() - metrics.height()) / 2;
    painter->setFont(font);
    painter->setPen(ToDisplayColour(feature->ColFont.Colour, palette));
    painter->setClipRect(cell);
    painter->drawText(iLeft, iTop + metrics.ascent(), sText);

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = cell.adjusted(1, 1, -1, -1);
        const QWidget* widget = option.widget;
        (widget ? widget->style() : QApplication::style())
            ->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}
