#include "FieldFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

bool IsAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool IsAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool IsHexDigit(QChar c) {
    return IsAsciiDigit(c) || (c >= u'A' && c <= u'F');
}

// Removes the characters that fail the test, moving the cursor back by the
// number removed in front of it.
void KeepOnly(QString& sText, int& iPos, bool (*keep)(QChar)) {
    QString sKept;
    int iNewPos = iPos;
    for (qsizetype i = 0; i < sText.size(); ++i) {
        if (keep(sText[i]))
            sKept += sText[i];
        else if (i < iPos)
            --iNewPos;
    }
    sText = sKept;
    iPos = iNewPos;
}

bool IsIdentifierCharacter(QChar c) {
    return IsAsciiLetter(c) || IsAsciiDigit(c);
}

// A one-line field keeps pasted lines as one line: the value must be stored
// and shown as it is kept, and a line break would not be.
void ControlCharactersToBlanks(QString& sText) {
    for (QChar& c : sText)
        if (c.unicode() < 32)
            c = u' ';
}

} // namespace

TFieldFilter::TFieldFilter(QLineEdit* edit, CFieldKind kind, const bool& bUpdatingFlag)
    : QValidator(edit), Kind(kind), bUpdating(bUpdatingFlag) {}

void TFieldFilter::Install(QLineEdit* edit, CFieldKind kind, const bool& bUpdating) {
    auto* filter = new TFieldFilter(edit, kind, bUpdating);
    edit->setValidator(filter);
    edit->installEventFilter(filter);
}

QValidator::State TFieldFilter::validate(QString& sInput, int& iPos) const {
    if (bUpdating)
        return Acceptable;
    switch (Kind) {
    case fkDigits:
        KeepOnly(sInput, iPos, IsAsciiDigit);
        return Acceptable;
    case fkHexColour:
        // Other characters stay, so that the change handler can refuse them.
        sInput = sInput.toUpper();
        return Acceptable;
    case fkUniqueID:
        KeepOnly(sInput, iPos, IsIdentifierCharacter);
        return !sInput.isEmpty() && IsAsciiDigit(sInput[0]) ? Invalid : Acceptable;
    case fkOneLine:
        ControlCharactersToBlanks(sInput);
        return Acceptable;
    }
    return Acceptable;
}

bool TFieldFilter::AcceptsKey(QChar character, int iPosition) const {
    switch (Kind) {
    case fkDigits:
        return IsAsciiDigit(character);
    case fkHexColour:
        return IsHexDigit(character.toUpper());
    case fkUniqueID:
        return IsAsciiLetter(character) || (IsAsciiDigit(character) && iPosition > 0);
    case fkOneLine:
        return true;
    }
    return false;
}

bool TFieldFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || bUpdating)
        return QValidator::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString sText = key->text();
    // Keys without a character (arrows, Delete), control characters such as
    // backspace and shortcuts (select all, paste) always pass.
    if (sText.size() != 1 || sText[0].unicode() < 32 ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return QValidator::eventFilter(watched, event);
    const auto* edit = static_cast<QLineEdit*>(watched);
    const int iPosition = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    return !AcceptsKey(sText[0], iPosition) || QValidator::eventFilter(watched, event);
}
