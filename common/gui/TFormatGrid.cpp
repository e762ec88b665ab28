#include "TFormatGrid.h"

#include "GuiColours.h"
#include "TColumnFeatureDelegate.h"

#include <QHeaderView>
#include <QMouseEvent>

#include <memory>

namespace {

Qt::Alignment ToQtAlignment(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return Qt::AlignRight | Qt::AlignVCenter;
    case taCenter:
        return Qt::AlignCenter;
    case taLeftJustify:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace

TFormatGrid::TFormatGrid(QWidget* parent) : QTableWidget(parent), FRowSelects(iMarkedRows, false) {
    setItemDelegate(new TColumnFeatureDelegate(*this, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    connect(model(), &QAbstractItemModel::columnsInserted, this, &TFormatGrid::SizeChanged);
    connect(model(), &QAbstractItemModel::columnsRemoved, this, &TFormatGrid::SizeChanged);
    SizeChanged();
}

TFormatGrid::~TFormatGrid() = default;

const TColumnFeature* TFormatGrid::ColumnFeature(int iColumn) const {
    return iColumn >= 0 && iColumn < FColumnFeatureList.Count() ? FColumnFeatureList.Objects(iColumn) : nullptr;
}

void TFormatGrid::Loaded() {
    for (int i = 0; i < FColumnFeatureList.Count(); ++i) {
        if (!FColumnFeatureList.Objects(i)) {
            FColumnFeatureList.SetObject(i, std::make_unique<TColumnFeature>());
        }
        FColumnFeatureList.Objects(i)->FromString(FColumnFeatureList.Strings(i));
    }
}

void TFormatGrid::LoadColumnFeatures(const QStringList& featureTexts) {
    setColumnCount(int(featureTexts.size()));
    for (int i = 0; i < FColumnFeatureList.Count(); ++i) {
        FColumnFeatureList.SetString(i, featureTexts.at(i));
    }
    Loaded();
    ColumnFeatureListChanged();
}

void TFormatGrid::ColumnFeatureListChanged() {
    for (int i = 0; i < columnCount(); ++i) {
        if (const TColumnFeature* feature = ColumnFeature(i)) {
            setColumnWidth(i, feature->iColWidth);
        }
    }
    ApplyTitles();
    viewport()->update();
}

void TFormatGrid::SizeChanged() {
    while (FColumnFeatureList.Count() < columnCount()) {
        auto feature = std::make_unique<TColumnFeature>();
        const QString sText = feature->AsString();
        FColumnFeatureList.Add(sText, std::move(feature));
    }
    while (FColumnFeatureList.Count() > columnCount()) {
        FColumnFeatureList.Delete(FColumnFeatureList.Count() - 1);
    }
    ApplyTitles();
}

// The title row shows each feature's title, not a cell text.
void TFormatGrid::ApplyTitles() {
    const QFont titleFont = ToQFont(FTitleFont);
    for (int i = 0; i < columnCount(); ++i) {
        const TColumnFeature* feature = ColumnFeature(i);
        if (!feature) {
            continue;
        }
        QTableWidgetItem* title = horizontalHeaderItem(i);
        if (!title) {
            title = new QTableWidgetItem;
            setHorizontalHeaderItem(i, title);
        }
        title->setText(feature->sTitle);
        title->setTextAlignment(ToQtAlignment(feature->TitleAlignment));
        title->setFont(titleFont);
    }
}

void TFormatGrid::SetTitleFont(const TFont& font) {
    FTitleFont = font;
    ApplyTitles();
    horizontalHeader()->viewport()->update();
}

void TFormatGrid::SetHighlightRows(bool bHighlight) {
    FHighlightRows = bHighlight;
    viewport()->update();
}

bool TFormatGrid::RowSelects(int iRow) const {
    return iRow >= 0 && iRow < iMarkedRows && FRowSelects.at(std::size_t(iRow));
}

void TFormatGrid::SetRowSelects(int iRow, bool bMarked) {
    if (iRow >= 0 && iRow < iMarkedRows) {
        FRowSelects.at(std::size_t(iRow)) = bMarked;
        viewport()->update();
    }
}

QString TFormatGrid::CellText(int iRow, int iColumn) const {
    const QTableWidgetItem* cell = item(iRow, iColumn);
    return cell ? cell->text() : QString();
}

void TFormatGrid::SetCellText(int iRow, int iColumn, const QString& sText) {
    if (QTableWidgetItem* cell = item(iRow, iColumn)) {
        cell->setText(sText);
    } else {
        setItem(iRow, iColumn, new QTableWidgetItem(sText));
    }
}

void TFormatGrid::Clear() {
    clearContents();
}

quint32 TFormatGrid::CellColour(const TColumnFeature& feature, int iRow) const {
    const bool bSelected = FHighlightRows ? RowSelects(iRow) : iRow == currentRow();
    return bSelected ? feature.SelectedColour : feature.Colour;
}

bool TFormatGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    const TColumnFeature* feature = ColumnFeature(index.column());
    if (feature && !feature->bEditable) {
        return false;
    }
    return QTableWidget::edit(index, trigger, event);
}

void TFormatGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    iCurrentColumn = index.column();
    iCurrentRow = index.row();
    QTableWidget::mousePressEvent(event);
    viewport()->update();
}

// The whole row's background follows the current row, so both the old and the
// new current row are redrawn.
void TFormatGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    viewport()->update();
}
