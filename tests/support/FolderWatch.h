#pragma once

#include <QString>
#include <QStringList>

// Records every change made in one folder from its creation on: a file
// written, created, removed, renamed or given new attributes, each as
// "name: what". Changes are kept by the system until read, so even a file
// that appeared only for a moment is seen.
class TFolderWatch {
public:
    explicit TFolderWatch(const QString& sFolder);
    ~TFolderWatch();
    TFolderWatch(const TFolderWatch&) = delete;
    TFolderWatch& operator=(const TFolderWatch&) = delete;

    bool IsWatching() const { return iWatch >= 0; }
    // The changes seen since the last call.
    QStringList Changes();

private:
    int iHandle = -1;
    int iWatch = -1;
};

// The folder's files with their sizes and modification times, one line each, by name.
QStringList FolderListing(const QString& sFolder);
