#include "TReferenceGroup.h"

#include "EditorControls.h"
#include "THelpPicture.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TReferenceGroup::TReferenceGroup(QWidget* parent) : QGroupBox(QStringLiteral("Reference"), parent) {
    setObjectName(QStringLiteral("ReferenceGroup"));
    UniqueIDEdit = NewEdit(this, "UniqueIDEdit", QString(), iUniqueIDLength, "Unique Identifier");
    QLabel* idLabel = NewLabel(this, "&Unique ID:", UniqueIDEdit);
    TitleBox = NewCheckBox(this, "TitleBox", "Title:", "Popup Title");
    TitleEdit = NewEdit(this, "TitleEdit", TitleBox->accessibleName(), iTitleLength, "Popup Title");
    URLBox = NewCheckBox(this, "URLBox", "URL:", "");
    URLEdit = NewEdit(this, "URLEdit", URLBox->accessibleName(), iURLLength, "");
    URLEdit->setAccessibleDescription(QStringLiteral("The web address that the popup shows in an inline frame"));
    IDHelp = new THelpPicture(QStringLiteral("id"), QStringLiteral("Help on Unique ID"), this);
    TitleHelp = new THelpPicture(QStringLiteral("title"), QStringLiteral("Help on Title"), this);
    URLHelp = new THelpPicture(QStringLiteral("using an iframe"), QStringLiteral("Help on URL"), this);
    AdvancedReferenceBtn = new QPushButton(QStringLiteral("Advanced..."), this);
    AdvancedReferenceBtn->setObjectName(QStringLiteral("AdvancedReferenceBtn"));
    AdvancedReferenceBtn->setAccessibleName(AdvancedReferenceBtn->text());
    AdvancedReferenceBtn->setAccessibleDescription(QStringLiteral("Advanced reference options"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(idLabel, 0, 0);
    layout->addWidget(UniqueIDEdit, 0, 1);
    layout->addWidget(IDHelp, 0, 2);
    layout->addWidget(TitleBox, 1, 0);
    layout->addWidget(TitleEdit, 1, 1);
    layout->addWidget(TitleHelp, 1, 2);
    layout->addWidget(URLBox, 2, 0);
    layout->addWidget(URLEdit, 2, 1);
    layout->addWidget(URLHelp, 2, 2);
    layout->addWidget(AdvancedReferenceBtn, 3, 1, 1, 2, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
}
