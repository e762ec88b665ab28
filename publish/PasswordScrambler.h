#pragma once

#include <QByteArray>
#include <QString>

// The scrambled form in which the FTP password is kept in the settings store.
//
// A 32-bit linear feedback shift register, started at a fixed seed, yields one
// key value per byte; each byte is combined with the low seven bits of its key
// by exclusive or, so the same routine scrambles and unscrambles. Passwords
// are scrambled as UTF-8 bytes, so every character survives a save and a load.

// Scrambles (or unscrambles) bytes; an empty input gives an empty result.
QByteArray ScramblePassword(const QByteArray& password);

// The text stored for a password (the caller trims it first): its UTF-8
// bytes, scrambled, each byte written as two upper-case hexadecimal digits.
QString EncodePassword(const QString& sPassword);
// The password back from its stored text; a text of odd length gives an
// empty password.
QString DecodePassword(const QString& sStored);
