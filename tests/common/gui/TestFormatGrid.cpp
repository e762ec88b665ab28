#include "TFormatGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr quint32 iWhite = 0xFFFFFF;
constexpr quint32 iMarkRed = 0x0000FF; // red in the lowest byte

QString Feature(int iWidth, const QString& sTitle, bool bEditable, int iDataType = 0) {
    return QStringLiteral("(%1,(Tahoma,8,,00000000),0,(%2),2,%3,%4,00FFFFFF,000000FF)")
        .arg(iWidth)
        .arg(sTitle)
        .arg(iDataType)
        .arg(bEditable ? 1 : 0);
}

// A shown grid with the columns "Name" (editable) and "Size" (not editable,
// a number column), white cells and red marked rows.
class FormatGrid : public ::testing::Test {
protected:
    TFormatGrid Grid;

    void SetUp() override {
        Grid.LoadColumnFeatures({Feature(120, "Name", true), Feature(80, "Size", false, 1)});
        Grid.setRowCount(4);
        for (int iRow = 0; iRow < 4; ++iRow) {
            Grid.SetCellText(iRow, 0, QStringLiteral("file%1").arg(iRow));
            Grid.SetCellText(iRow, 1, QStringLiteral("1,00%1").arg(iRow));
        }
        Grid.resize(300, 200);
        Grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Grid));
    }

    QPoint CellCentre(int iRow, int iColumn) const {
        return Grid.visualRect(Grid.model()->index(iRow, iColumn)).center();
    }
    void Click(int iRow, int iColumn) {
        QTest::mouseClick(Grid.viewport(), Qt::LeftButton, {}, CellCentre(iRow, iColumn));
    }
    // The colour drawn near the left edge of a cell, where no text is.
    quint32 DrawnColour(int iRow, int iColumn) {
        const QRect cell = Grid.visualRect(Grid.model()->index(iRow, iColumn));
        const QImage image = Grid.viewport()->grab().toImage();
        const QColor colour = image.pixelColor(cell.left() + 1, cell.top() + 2);
        return quint32(colour.red()) | quint32(colour.green()) << 8 | quint32(colour.blue()) << 16;
    }
    // An in-place editor is open.
    bool IsEditing() const {
        const QList<QLineEdit*> editors = Grid.viewport()->findChildren<QLineEdit*>();
        return std::any_of(editors.begin(), editors.end(), [](const QLineEdit* editor) { return editor->isVisible(); });
    }
};

} // namespace

TEST_F(FormatGrid, AppliesWidthsAndTitlesFromTheFeatures) {
    EXPECT_EQ(Grid.columnWidth(0), 120);
    EXPECT_EQ(Grid.columnWidth(1), 80);
    EXPECT_EQ(Grid.model()->headerData(0, Qt::Horizontal).toString(), "Name");
    EXPECT_EQ(Grid.model()->headerData(1, Qt::Horizontal).toString(), "Size");
    EXPECT_EQ(Grid.model()->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    EXPECT_EQ(Grid.ColumnFeatureList().Strings(1), Feature(80, "Size", false, 1));
    EXPECT_EQ(Grid.ColumnFeature(1)->ColDataType, ddtNumber);
    EXPECT_EQ(Grid.ColumnFeature(2), nullptr);
}

TEST_F(FormatGrid, ColumnCountChangesKeepOneFeaturePerColumn) {
    Grid.setColumnCount(3);
    ASSERT_EQ(Grid.ColumnFeatureList().Count(), 3);
    EXPECT_EQ(*Grid.ColumnFeature(2), TColumnFeature());
    EXPECT_EQ(Grid.ColumnFeatureList().Strings(2), TColumnFeature().AsString());
    EXPECT_EQ(Grid.model()->headerData(2, Qt::Horizontal).toString(), ""); // the default feature's empty title

    Grid.setColumnCount(2);
    ASSERT_EQ(Grid.ColumnFeatureList().Count(), 2);
    EXPECT_EQ(Grid.ColumnFeature(1)->sTitle, "Size");
    Grid.setColumnCount(3);
    EXPECT_EQ(Grid.ColumnFeature(2)->iColWidth, 60);
    EXPECT_TRUE(Grid.ColumnFeature(2)->bEditable);
    EXPECT_EQ(Grid.ColumnFeature(2)->TitleAlignment, taCenter);
    EXPECT_EQ(Grid.ColumnFeature(0)->sTitle, "Name");
}

TEST_F(FormatGrid, TheCurrentRowGetsTheSelectedColourWithoutHighlightRows) {
    Click(1, 0);
    EXPECT_EQ(Grid.iCurrentRow, 1);
    EXPECT_EQ(Grid.iCurrentColumn, 0);
    EXPECT_EQ(DrawnColour(1, 0), iMarkRed);
    EXPECT_EQ(DrawnColour(1, 1), iMarkRed); // the whole row
    EXPECT_EQ(DrawnColour(2, 0), iWhite);

    Click(2, 1);
    EXPECT_EQ(Grid.iCurrentRow, 2);
    EXPECT_EQ(Grid.iCurrentColumn, 1);
    EXPECT_EQ(DrawnColour(1, 0), iWhite);
    EXPECT_EQ(DrawnColour(2, 0), iMarkRed);
}

TEST_F(FormatGrid, WithHighlightRowsOnlyMarkedRowsGetTheSelectedColour) {
    Grid.SetHighlightRows(true);
    Grid.SetRowSelects(0, true);
    Grid.SetRowSelects(3, true);
    Click(1, 0);
    EXPECT_EQ(DrawnColour(0, 0), iMarkRed);
    EXPECT_EQ(DrawnColour(1, 0), iWhite);
    EXPECT_EQ(DrawnColour(2, 1), iWhite);
    EXPECT_EQ(DrawnColour(3, 1), iMarkRed);
    Grid.SetRowSelects(3, false);
    EXPECT_EQ(DrawnColour(3, 1), iWhite);

    EXPECT_FALSE(Grid.RowSelects(-1));
    Grid.SetRowSelects(TFormatGrid::iMarkedRows, true); // beyond the marks: ignored
    EXPECT_FALSE(Grid.RowSelects(TFormatGrid::iMarkedRows));
    Grid.SetRowSelects(TFormatGrid::iMarkedRows - 1, true);
    EXPECT_TRUE(Grid.RowSelects(TFormatGrid::iMarkedRows - 1));
}

TEST_F(FormatGrid, ANonEditableColumnRefusesEveryWayOfEditing) {
    Grid.setCurrentCell(0, 1);
    QTest::keyClick(Grid.viewport(), Qt::Key_F2);
    EXPECT_FALSE(IsEditing());
    QTest::keyClicks(Grid.viewport(), "9");
    EXPECT_FALSE(IsEditing());
    QTest::mouseDClick(Grid.viewport(), Qt::LeftButton, {}, CellCentre(0, 1));
    EXPECT_FALSE(IsEditing());
    Grid.editItem(Grid.item(0, 1));
    EXPECT_FALSE(IsEditing());
    EXPECT_EQ(Grid.CellText(0, 1), "1,000");

    Grid.setCurrentCell(0, 0);
    QTest::keyClick(Grid.viewport(), Qt::Key_F2);
    ASSERT_TRUE(IsEditing());
    auto* editor = Grid.findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "renamed");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the editor commits through a queued call
    EXPECT_EQ(Grid.CellText(0, 0), "renamed");
}

TEST_F(FormatGrid, TheKeyboardMovesBetweenCells) {
    Grid.setFocus();
    Grid.setCurrentCell(0, 0);
    QTest::keyClick(Grid.viewport(), Qt::Key_Down);
    QTest::keyClick(Grid.viewport(), Qt::Key_Down);
    QTest::keyClick(Grid.viewport(), Qt::Key_Right);
    EXPECT_EQ(Grid.currentRow(), 2);
    EXPECT_EQ(Grid.currentColumn(), 1);
    EXPECT_EQ(DrawnColour(2, 0), iMarkRed);
}

TEST_F(FormatGrid, ColumnsResizeByDraggingTheirTitleSeparator) {
    QHeaderView* header = Grid.horizontalHeader();
    EXPECT_EQ(header->sectionResizeMode(0), QHeaderView::Interactive);
    const int iEdge = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
    const int iMiddle = header->height() / 2;
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, QPoint(iEdge, iMiddle));
    QMouseEvent move(QEvent::MouseMove, QPointF(iEdge + 40, iMiddle),
                     header->viewport()->mapToGlobal(QPointF(iEdge + 40, iMiddle)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(header->viewport(), &move);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, QPoint(iEdge + 40, iMiddle));
    EXPECT_EQ(Grid.columnWidth(0), 160);
}

TEST_F(FormatGrid, ClearEmptiesTheCellsAndKeepsTheSize) {
    Grid.item(1, 0)->setData(Qt::UserRole, 42);
    Grid.Clear();
    EXPECT_EQ(Grid.rowCount(), 4);
    EXPECT_EQ(Grid.columnCount(), 2);
    EXPECT_EQ(Grid.CellText(1, 0), "");
    EXPECT_EQ(Grid.item(1, 0), nullptr);
    EXPECT_EQ(Grid.model()->headerData(0, Qt::Horizontal).toString(), "Name");
}

TEST(FormatGridTitles, TitleFontAndLoadedEntriesWithoutFeatures) {
    TFormatGrid grid;
    grid.setColumnCount(1);
    grid.ColumnFeatureList().SetObject(0, nullptr);
    grid.ColumnFeatureList().SetString(0, QStringLiteral("(90,(Arial,9,,00000000),1,(Total),1,2,0,00FFFFFF,000000FF)"));
    grid.Loaded();
    ASSERT_NE(grid.ColumnFeature(0), nullptr);
    EXPECT_EQ(grid.ColumnFeature(0)->ColDataType, ddtMoney);
    grid.ColumnFeatureListChanged();
    EXPECT_EQ(grid.columnWidth(0), 90);
    EXPECT_EQ(grid.model()->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignRight | Qt::AlignVCenter));

    TFont titleFont;
    titleFont.sName = QStringLiteral("Courier");
    titleFont.iSize = 14;
    titleFont.bBold = true;
    grid.SetTitleFont(titleFont);
    EXPECT_EQ(grid.TitleFont(), titleFont);
    const QFont shown = grid.model()->headerData(0, Qt::Horizontal, Qt::FontRole).value<QFont>();
    EXPECT_EQ(shown.pointSize(), 14);
    EXPECT_TRUE(shown.bold());
}
