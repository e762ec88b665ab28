#pragma once

#include <QValidator>

class QLineEdit;

// The input rules of the instance editor's text fields. Typed keys that a
// field does not take are discarded before they reach it; text that arrives
// otherwise (pasted or dropped) is cleaned the same way. While the editor
// fills its controls (bUpdating set) everything passes unchanged, so stored
// values are shown as they are.
class TFieldFilter : public QValidator {
public:
    enum CFieldKind {
        fkDigits,    // the digits 0 to 9 only; other characters are dropped
        fkHexColour, // hexadecimal digits, upper-cased; pasted text keeps other characters
        fkUniqueID,  // letters and digits, and no digit first
        fkOneLine,   // any text; pasted line breaks and other control characters become blanks
    };

    // Installs the filter on the field; the field owns it.
    static void Install(QLineEdit* edit, CFieldKind kind, const bool& bUpdating);

    State validate(QString& sInput, int& iPos) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TFieldFilter(QLineEdit* edit, CFieldKind kind, const bool& bUpdating);
    // Whether a typed character may be inserted at iPosition.
    bool AcceptsKey(QChar character, int iPosition) const;

    CFieldKind Kind;
    const bool& bUpdating;
};
