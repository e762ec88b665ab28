#include "TSingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

TSingleInstance::TSingleInstance() = default;

TSingleInstance::~TSingleInstance() {
    Release();
}

QString TSingleInstance::LockPath() {
    QString sFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (sFolder.isEmpty())
        sFolder = QDir::tempPath();
    return QDir(sFolder).filePath(QStringLiteral("Brisola.lock"));
}

QString TSingleInstance::ServerName() {
    // Tied to the lock file, so separate runtime folders (separate users or
    // test sandboxes) never meet.
    return QStringLiteral("Brisola-%1").arg(qHash(LockPath()), 0, 16);
}

bool TSingleInstance::Acquire() {
    hMutex = std::make_unique<QLockFile>(LockPath());
    hMutex->setStaleLockTime(0);
    if (!hMutex->tryLock(0)) {
        hMutex.reset();
        NotifyFirstCopy();
        return false;
    }
    QLocalServer::removeServer(ServerName());
    Server.listen(ServerName());
    return true;
}

void TSingleInstance::Release() {
    Server.close();
    if (hMutex)
        hMutex->unlock();
    hMutex.reset();
}

void TSingleInstance::NotifyFirstCopy() const {
    QLocalSocket socket;
    socket.connectToServer(ServerName());
    if (socket.waitForConnected(200)) {
        socket.write(sMessage);
        socket.waitForBytesWritten(200);
    }
}
