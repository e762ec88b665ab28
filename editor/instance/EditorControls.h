#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

// Builders for the instance editor's controls. Every control gets its
// component name, its caption as accessible name and its hint, the text that
// selects its context help when the pointer rests on it.

// The name under which the hint is kept on a control.
inline constexpr const char* sHintProperty = "hint";

// A caption as a screen reader says it and as it is found: the caption as it
// stands, without the mnemonic mark ("&Unique ID:" gives "Unique ID:").
QString AccessibleCaption(const QString& sCaption);

void SetHint(QWidget* control, const QString& sHint);
QString HintOf(const QWidget* control);

QCheckBox* NewCheckBox(QWidget* parent, const char* sName, const char* sCaption, const char* sHint);
// A one-line field of at most iMaxLength characters, named for screen readers
// by sAccessibleName.
QLineEdit* NewEdit(QWidget* parent, const char* sName, const QString& sAccessibleName, int iMaxLength,
                   const char* sHint);
// The field's text read as a decimal number; any other text, an empty one
// included, gives 0.
int FieldNumber(const QLineEdit* edit);

// A caption label for the control; the label is the control's buddy, so its
// mnemonic moves the focus there.
QLabel* NewLabel(QWidget* parent, const char* sText, QWidget* buddy);
