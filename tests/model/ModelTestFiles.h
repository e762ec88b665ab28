#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "TestSupport.h"

#include <gtest/gtest.h>

// File helpers of the model tests: projects are written byte for byte into
// temporary directories and read back the same way.

inline void WriteBytes(const QString& sPath, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << sPath.toStdString();
    file.write(bytes);
}
