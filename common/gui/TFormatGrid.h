#pragma once

#include "TColumnFeature.h"
#include "TObjectList.h"

#include <QTableWidget>

#include <vector>

// A text grid whose columns each carry a column feature that decides how the
// column's cells are drawn (font, alignment, data type, background colours)
// and whether they can be edited in place. The horizontal header is the title
// row: it shows each feature's title; rows are numbered from 0 below it.
//
// The grid offers the table widget's keyboard navigation and column resizing
// by dragging the title separators.
class TFormatGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int iMarkedRows = 10000;

    explicit TFormatGrid(QWidget* parent = nullptr);
    ~TFormatGrid() override;

    // One entry per column: the feature's text form and the feature itself.
    TObjectList<TColumnFeature>& ColumnFeatureList() { return FColumnFeatureList; }
    // The column's feature, or nullptr when the column has none.
    const TColumnFeature* ColumnFeature(int iColumn) const;

    // Makes sure every entry of the feature list has a feature and reads the
    // entry's text into it.
    void Loaded();
    // Sets the column count to the number of texts, reads them as the column
    // features and applies them: what a dialog does with its grid description.
    void LoadColumnFeatures(const QStringList& featureTexts);
    // Applies the features' widths and titles and redraws.
    void ColumnFeatureListChanged();

    const TFont& TitleFont() const { return FTitleFont; }
    void SetTitleFont(const TFont& font);

    // When set, a row's background follows its mark; otherwise it follows
    // the current row.
    bool HighlightRows() const { return FHighlightRows; }
    void SetHighlightRows(bool bHighlight);
    // The marks of the first iMarkedRows rows; other rows are never marked.
    bool RowSelects(int iRow) const;
    void SetRowSelects(int iRow, bool bMarked);

    QString CellText(int iRow, int iColumn) const;
    void SetCellText(int iRow, int iColumn, const QString& sText);
    // Empties every cell and removes its data; the grid keeps its size.
    void Clear();

    // The background of a data cell as the column's feature chooses it.
    quint32 CellColour(const TColumnFeature& feature, int iRow) const;

    // The cell last clicked, -1 before any click.
    int iCurrentColumn = -1;
    int iCurrentRow = -1;

protected:
    // In-place editing is refused in a column whose feature is not editable.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    // One feature per column: defaults added at the end or removed from it.
    void SizeChanged();
    void ApplyTitles();

    TObjectList<TColumnFeature> FColumnFeatureList;
    TFont FTitleFont;
    bool FHighlightRows = false;
    std::vector<bool> FRowSelects;
};
