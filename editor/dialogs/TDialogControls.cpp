#include "TDialogControls.h"

#include <QHBoxLayout>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

QCheckBox* NewCheckBox(const char* sName, const QString& sCaption, QWidget* parent) {
    auto* box = new QCheckBox(sCaption, parent);
    box->setObjectName(QLatin1String(sName));
    box->setAccessibleName(sCaption);
    return box;
}

QPushButton* NewButton(const char* sName, const QString& sCaption, QWidget* parent) {
    auto* button = new QPushButton(sCaption, parent);
    button->setObjectName(QLatin1String(sName));
    button->setAccessibleName(sCaption);
    return button;
}

QLabel* NewLabelFor(const QString& sCaption, QWidget* control, QWidget* parent) {
    auto* label = new QLabel(sCaption, parent);
    label->setBuddy(control);
    control->setAccessibleName(sCaption);
    return label;
}

QLineEdit* NewEdit(const char* sName, int iMaxLength, bool bDigitsOnly, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(sName));
    edit->setMaxLength(iMaxLength);
    if (bDigitsOnly)
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QHBoxLayout* NewButtonRow(QPushButton* okBtn, QPushButton* cancelBtn) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okBtn);
    buttons->addWidget(cancelBtn);
    return buttons;
}
