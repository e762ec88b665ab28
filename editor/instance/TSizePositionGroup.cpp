#include "TSizePositionGroup.h"

#include "EditorControls.h"
#include "ZEPTypes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QLineEdit* NewDimensionEdit(QWidget* parent, const char* sName, const char* sHint, const char* sDescription) {
    QLineEdit* edit = NewEdit(parent, sName, QString(), TSizePositionGroup::iDimensionLength, sHint);
    edit->setAccessibleDescription(QString::fromUtf8(sDescription));
    edit->setMaximumWidth(52);
    return edit;
}

} // namespace

TSizePositionGroup::TSizePositionGroup(QWidget* parent) : QGroupBox(QStringLiteral("Size/Position"), parent) {
    setObjectName(QStringLiteral("SizePositionGroup"));
    CanMoveBox = NewCheckBox(this, "CanMoveBox", "Can  move - ", "Move");
    FromContentBox = NewCheckBox(this, "FromContentBox", "From content", "Move from Content");
    CanCloseBox = NewCheckBox(this, "CanCloseBox", "Can close", "Close");
    CanResizeBox = NewCheckBox(this, "CanResizeBox", "Can resize", "Resize");
    FollowScrollBox = NewCheckBox(this, "FollowScrollBox", "Follow scroll", "Follow Scrolling");
    WidthEdit = NewDimensionEdit(this, "WidthEdit", "Width", "pixels, at least 50");
    HeightEdit = NewDimensionEdit(this, "HeightEdit", "Height", "pixels, at least 50");
    TopEdit = NewDimensionEdit(this, "TopEdit", "Top", "pixels");
    LeftEdit = NewDimensionEdit(this, "LeftEdit", "Left", "pixels");
    LocationListBox = new QComboBox(this);
    LocationListBox->setObjectName(QStringLiteral("LocationListBox"));
    LocationListBox->addItems(LocationNames());
    SetHint(LocationListBox, QStringLiteral("Location"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(CanMoveBox, 0, 0, 1, 2);
    layout->addWidget(FromContentBox, 0, 2, 1, 2);
    layout->addWidget(CanCloseBox, 1, 0, 1, 2);
    layout->addWidget(CanResizeBox, 1, 2, 1, 2);
    layout->addWidget(FollowScrollBox, 2, 0, 1, 2);
    layout->addWidget(NewLabel(this, "&Width:", WidthEdit), 3, 0);
    layout->addWidget(WidthEdit, 3, 1);
    layout->addWidget(NewLabel(this, "Hei&ght:", HeightEdit), 3, 2);
    layout->addWidget(HeightEdit, 3, 3);
    layout->addWidget(NewLabel(this, "To&p:", TopEdit), 4, 0);
    layout->addWidget(TopEdit, 4, 1);
    layout->addWidget(NewLabel(this, "&Left:", LeftEdit), 4, 2);
    layout->addWidget(LeftEdit, 4, 3);
    layout->addWidget(NewLabel(this, "Locatio&n:", LocationListBox), 5, 0);
    layout->addWidget(LocationListBox, 5, 1, 1, 3);
}
