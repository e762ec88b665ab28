#include "EditorControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

QString AccessibleCaption(const QString& sCaption) {
    QString sText = sCaption;
    return sText.remove(u'&');
}

void SetHint(QWidget* control, const QString& sHint) {
    control->setProperty(sHintProperty, sHint);
}

QString HintOf(const QWidget* control) {
    return control->property(sHintProperty).toString();
}

QCheckBox* NewCheckBox(QWidget* parent, const char* sName, const char* sCaption, const char* sHint) {
    auto* box = new QCheckBox(QString::fromUtf8(sCaption), parent);
    box->setObjectName(QString::fromUtf8(sName));
    box->setAccessibleName(AccessibleCaption(box->text()));
    SetHint(box, QString::fromUtf8(sHint));
    return box;
}

QLineEdit* NewEdit(QWidget* parent, const char* sName, const QString& sAccessibleName, int iMaxLength,
                   const char* sHint) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromUtf8(sName));
    edit->setAccessibleName(sAccessibleName);
    edit->setMaxLength(iMaxLength);
    SetHint(edit, QString::fromUtf8(sHint));
    return edit;
}

int FieldNumber(const QLineEdit* edit) {
    bool bOk = false;
    const int iValue = edit->text().toInt(&bOk);
    return bOk ? iValue : 0;
}

QLabel* NewLabel(QWidget* parent, const char* sText, QWidget* buddy) {
    auto* label = new QLabel(QString::fromUtf8(sText), parent);
    label->setBuddy(buddy);
    if (buddy->accessibleName().isEmpty())
        buddy->setAccessibleName(AccessibleCaption(label->text()));
    return label;
}
