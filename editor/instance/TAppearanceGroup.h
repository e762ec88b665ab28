#pragma once

#include <QGroupBox>

#include <array>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class TColourSwatch;

// The "Appearance" group: border, shadow and padding, the six colours,
// scroll bars, transparency and the content font.
class TAppearanceGroup : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int iSizeLength = 2;
    static constexpr int iColourLength = 6;
    // The colour rows, in the order of ColourEdits and ColourBoxes.
    enum CColourRow { crBorder, crShadow, crTitle, crTitleText, crBackground, crText, crCount };

    explicit TAppearanceGroup(QWidget* parent = nullptr);

    QCheckBox* BorderBox = nullptr;
    QLineEdit* BorderEdit = nullptr;
    QCheckBox* ShadowBox = nullptr;
    QLineEdit* ShadowEdit = nullptr;
    QCheckBox* PaddingBox = nullptr;
    QLineEdit* PaddingEdit = nullptr;
    std::array<QLineEdit*, crCount> ColourEdits{};
    std::array<TColourSwatch*, crCount> ColourBoxes{};
    QCheckBox* ScrollbarsBox = nullptr;
    QCheckBox* TitleTransparentBox = nullptr;
    QCheckBox* BackgroundTransparentBox = nullptr;
    QLabel* FontLabel = nullptr; // names the current content font
    QPushButton* FontBtn = nullptr;

private:
    void BuildColourRow(int iRow, QGridLayout* layout);
};
