#pragma once

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Builders for the controls of the editor's dialogs. Each control gets its
// object name and an accessible name (its caption, or its label's caption),
// so screen readers and tests find it by what the user reads.

QCheckBox* NewCheckBox(const char* sName, const QString& sCaption, QWidget* parent);
QPushButton* NewButton(const char* sName, const QString& sCaption, QWidget* parent);
// The right-aligned row of a dialog's two closing buttons.
class QHBoxLayout;
QHBoxLayout* NewButtonRow(QPushButton* okBtn, QPushButton* cancelBtn);
// Sets a group's caption, at its creation or later, and names the group by it
// for assistive technology, which would otherwise name a group inside another
// group by the outer group's caption.
void SetGroupTitle(QGroupBox* group, const QString& sTitle);
// A label that names the control: the control becomes its buddy.
QLabel* NewLabelFor(const QString& sCaption, QWidget* control, QWidget* parent);
// A line edit where the user types at most iMaxLength characters; with
// bDigitsOnly only the digits 0 to 9. Text set by the program is shown whole.
QLineEdit* NewEdit(const char* sName, int iMaxLength, bool bDigitsOnly, QWidget* parent);
