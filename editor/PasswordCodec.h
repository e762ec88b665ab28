#pragma once

#include <QString>

// The FTP password as the settings store keeps it: scrambled, then written
// as hexadecimal character codes. Decoding reverses both steps; a text of odd
// length decodes to an empty password.
QString EncodeStoredPassword(const QString& sPassword);
QString DecodeStoredPassword(const QString& sStored);
