#pragma once

#include <QString>

#include <optional>

// Hexadecimal numbers and the hexadecimal text encoding of character codes.

// The error text of a failed HexToInt.
inline constexpr const char* sIllegalHexCharacter = "Illegal Hexadecimal Character";

// Reads hexadecimal digits (0-9, A-F, a-f) as a 32-bit number; more than eight
// digits wrap around as 32-bit arithmetic does. An empty text or any other
// character gives no value and, when psError is given, sets it to
// "Illegal Hexadecimal Character".
std::optional<int> HexToInt(const QString& sText, QString* psError = nullptr);
// HexToInt, but 0 when the text is empty or not hexadecimal.
int HexToIntDef(const QString& sText);

// Each character code as upper-case hexadecimal with at least two digits, all
// concatenated ("Ab" gives "4162").
QString StringToHexText(const QString& sText);
// The reverse for codes below 256: each pair of digits becomes one character; a
// pair that is not hexadecimal gives the character with code 0, and a text of
// odd length gives an empty text.
QString HexTextToString(const QString& sHexText);
