#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

// The whole file as bytes. A file that cannot be read gives "<unreadable "
// path ">", so a missing file never passes for an expected empty one.
QByteArray ReadWholeFile(const QString& sPath);

// Writes the bytes as the whole file, creating its folders; false when that fails.
bool WriteWholeFile(const QString& sPath, const QByteArray& bytes);

// Readable texts in GoogleTest failure messages.
void PrintTo(const QString& sText, std::ostream* os);
void PrintTo(const QStringList& list, std::ostream* os);
