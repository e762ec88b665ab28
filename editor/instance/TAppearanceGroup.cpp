#include "TAppearanceGroup.h"

#include "EditorControls.h"
#include "TColourSwatch.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct TColourRowText {
    const char* sEditName;
    const char* sLabel;
    const char* sAccessibleName;
    const char* sHint; // the swatch's; the field's adds " Hex Value"
};

const TColourRowText aColourRows[TAppearanceGroup::crCount] = {
    {"BorderColourEdit", "Border:", "Border colour", "Border Color"},
    {"ShadowColourEdit", "Shadow:", "Shadow colour", "Shadow Color"},
    {"TitleColourEdit", "Title:", "Title colour", "Title Background Color"},
    {"TitleTextColourEdit", "Title text:", "Title text colour", "Title Text Color"},
    {"BackgroundColourEdit", "Background:", "Background colour", "Content Background Color"},
    {"TextColourEdit", "Text:", "Text colour", "Content Text Color"},
};

QLineEdit* NewSizeEdit(QWidget* parent, const char* sName, const QCheckBox* box, const char* sHint) {
    QLineEdit* edit = NewEdit(parent, sName, box->accessibleName(), TAppearanceGroup::iSizeLength, sHint);
    edit->setAccessibleDescription(QStringLiteral("pixels, at most 15"));
    edit->setMaximumWidth(36);
    return edit;
}

} // namespace

TAppearanceGroup::TAppearanceGroup(QWidget* parent) : QGroupBox(QStringLiteral("Appearance"), parent) {
    setObjectName(QStringLiteral("AppearanceGroup"));
    auto* layout = new QGridLayout(this);
    BorderBox = NewCheckBox(this, "BorderBox", "Border:", "Border");
    BorderEdit = NewSizeEdit(this, "BorderEdit", BorderBox, "Border Width");
    ShadowBox = NewCheckBox(this, "ShadowBox", "Shadow:", "Shadow");
    ShadowEdit = NewSizeEdit(this, "ShadowEdit", ShadowBox, "Shadow Size");
    PaddingBox = NewCheckBox(this, "PaddingBox", "Padding:", "Padding");
    PaddingEdit = NewSizeEdit(this, "PaddingEdit", PaddingBox, "Padding width");
    ScrollbarsBox = NewCheckBox(this, "ScrollbarsBox", "Scrollbars", "Scrollbars");
    layout->addWidget(BorderBox, 0, 0);
    layout->addWidget(BorderEdit, 0, 1);
    layout->addWidget(ShadowBox, 1, 0);
    layout->addWidget(ShadowEdit, 1, 1);
    layout->addWidget(PaddingBox, 2, 0);
    layout->addWidget(PaddingEdit, 2, 1);
    layout->addWidget(ScrollbarsBox, 3, 0, 1, 2);

    TitleTransparentBox = NewCheckBox(this, "TitleTransparentBox", "Transparent", "Title Transparency");
    TitleTransparentBox->setAccessibleDescription(QStringLiteral("Title background"));
    BackgroundTransparentBox = NewCheckBox(this, "BackgroundTransparentBox", "Transparent", "Content Transparency");
    BackgroundTransparentBox->setAccessibleDescription(QStringLiteral("Content background"));
    for (int iRow = 0; iRow < crCount; ++iRow)
        BuildColourRow(iRow, layout);
    layout->addWidget(TitleTransparentBox, crTitle, 5);
    layout->addWidget(BackgroundTransparentBox, crBackground, 5);

    FontBtn = new QPushButton(QStringLiteral("..."), this);
    FontBtn->setObjectName(QStringLiteral("FontBtn"));
    FontBtn->setMaximumWidth(32);
    SetHint(FontBtn, QStringLiteral("Content Font"));
    QLabel* fontCaption = NewLabel(this, "&Default font:", FontBtn);
    FontLabel = new QLabel(this);
    FontLabel->setObjectName(QStringLiteral("FontLabel"));
    layout->addWidget(fontCaption, crCount, 0);
    layout->addWidget(FontLabel, crCount, 1, 1, 4);
    layout->addWidget(FontBtn, crCount, 5);
    layout->setColumnStretch(3, 1);
}

void TAppearanceGroup::BuildColourRow(int iRow, QGridLayout* layout) {
    const TColourRowText& text = aColourRows[iRow];
    const QString sHint = QString::fromUtf8(text.sHint);
    QLineEdit* edit = NewEdit(this, text.sEditName, QString::fromUtf8(text.sAccessibleName), iColourLength, "");
    SetHint(edit, sHint + QStringLiteral(" Hex Value"));
    edit->setAccessibleDescription(QStringLiteral("six hexadecimal digits, red first"));
    edit->setMaximumWidth(64);
    auto* swatch = new TColourSwatch(this);
    swatch->setObjectName(QString::fromUtf8(text.sEditName).replace(QStringLiteral("Edit"), QStringLiteral("Box")));
    swatch->setAccessibleName(edit->accessibleName() + QStringLiteral(" swatch"));
    SetHint(swatch, sHint);
    ColourEdits[size_t(iRow)] = edit;
    ColourBoxes[size_t(iRow)] = swatch;
    layout->addWidget(NewLabel(this, text.sLabel, edit), iRow, 2);
    layout->addWidget(edit, iRow, 3);
    layout->addWidget(swatch, iRow, 4);
}
