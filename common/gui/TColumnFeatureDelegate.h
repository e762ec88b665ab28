#pragma once

#include <QStyledItemDelegate>

class TFormatGrid;

// Draws a formatted grid's data cells by their column's feature: the row's
// background colour, the column font, the text prepared by the data type and
// placed by the alignment within the cell less 3 pixels on each side,
// vertically centred. Columns without a feature are drawn as usual.
class TColumnFeatureDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TColumnFeatureDelegate(const TFormatGrid& grid, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const TFormatGrid& oGrid;
};
