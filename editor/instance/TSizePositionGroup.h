#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The "Size/Position" group: moving, closing, resizing and scrolling, the
// size and offsets, and the location on the page.
class TSizePositionGroup : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int iDimensionLength = 4;
    static constexpr int iMinimumDimension = 50;

    explicit TSizePositionGroup(QWidget* parent = nullptr);

    QCheckBox* CanMoveBox = nullptr;
    QCheckBox* FromContentBox = nullptr;
    QCheckBox* CanCloseBox = nullptr;
    QCheckBox* CanResizeBox = nullptr;
    QCheckBox* FollowScrollBox = nullptr;
    QLineEdit* WidthEdit = nullptr;
    QLineEdit* HeightEdit = nullptr;
    QLineEdit* TopEdit = nullptr;
    QLineEdit* LeftEdit = nullptr;
    QComboBox* LocationListBox = nullptr;
};
