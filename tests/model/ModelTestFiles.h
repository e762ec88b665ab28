#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <ostream>

#include <gtest/gtest.h>

// File helpers of the model tests: projects are written byte for byte into
// temporary directories and read back the same way.

inline QByteArray ReadBytes(const QString& sPath) {
    QFile file(sPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& sPath, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << sPath.toStdString();
    file.write(bytes);
}

// Lets GoogleTest print texts readably in failure messages.
inline void PrintTo(const QString& sText, std::ostream* os) { *os << '"' << sText.toStdString() << '"'; }
