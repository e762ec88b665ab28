#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <memory>

// One copy of the program at a time: a lock file in the user's runtime folder
// (a stale lock of a crashed run is taken over) and a local server whose name
// a second start connects to before it ends.
class TSingleInstance {
public:
    static constexpr const char* sMessage = "Message: Brisola";

    TSingleInstance();
    ~TSingleInstance();

    // Takes the lock; false when another copy holds it. The second copy then
    // sends the message to the first, which ignores it.
    bool Acquire();
    void Release();

private:
    static QString LockPath();
    static QString ServerName();
    void NotifyFirstCopy() const;

    std::unique_ptr<QLockFile> hMutex;
    QLocalServer Server;
};
