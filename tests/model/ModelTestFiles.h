#pragma once

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include "TestSupport.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

// File helpers of the model tests: projects are written byte for byte into
// temporary directories and read back the same way.

inline void WriteBytes(const QString& sPath, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << sPath.toStdString();
    file.write(bytes);
}

// What tells a file that was left alone from one that was written again: a
// replaced file has a new inode, a file written in place a new time stamp.
struct TFileIdentity {
    quint64 iInode = 0;
    QDateTime Modified;
    bool operator==(const TFileIdentity&) const = default;
};

// Dates the file back, so that any later write shows in its time stamp, and
// gives its identity.
inline TFileIdentity AgedFileIdentity(const QString& sPath) {
    QFile file(sPath);
    const QDateTime old = QDateTime::fromSecsSinceEpoch(1000000000);
    EXPECT_TRUE(file.open(QIODevice::ReadWrite) && file.setFileTime(old, QFileDevice::FileModificationTime))
        << sPath.toStdString();
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(sPath).constData(), &info), 0) << sPath.toStdString();
    return TFileIdentity{quint64(info.st_ino), old};
}

inline TFileIdentity FileIdentity(const QString& sPath) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(sPath).constData(), &info), 0) << sPath.toStdString();
    return TFileIdentity{quint64(info.st_ino), QFileInfo(sPath).fileTime(QFileDevice::FileModificationTime)};
}

inline void MakeReadOnly(const QString& sPath) {
    ASSERT_TRUE(QFile::setPermissions(sPath, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther))
        << sPath.toStdString();
}

