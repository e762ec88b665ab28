#include "TDialogControls.h"

#include <QHBoxLayout>

#include <QCheckBox>
#include <QGroupBox>
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

void SetGroupTitle(QGroupBox* group, const QString& sTitle) {
    group->setTitle(sTitle);
    group->setAccessibleName(sTitle);
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
    // A validator limits only what the user types or pastes; a length limit
    // would also cut a longer value shown from the popup (1000 days would
    // become 100 and be stored so at the next change).
    const QString sCharacter = bDigitsOnly ? QStringLiteral("[0-9]") : QStringLiteral(".");
    const QRegularExpression limit(sCharacter + QStringLiteral("{0,%1}").arg(iMaxLength),
                                   QRegularExpression::DotMatchesEverythingOption);
    edit->setValidator(new QRegularExpressionValidator(limit, edit));
    return edit;
}

QHBoxLayout* NewButtonRow(QPushButton* okBtn, QPushButton* cancelBtn) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okBtn);
    buttons->addWidget(cancelBtn);
    return buttons;
}
