#include "FolderWatch.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

constexpr uint32_t iChanges =
    IN_CREATE | IN_DELETE | IN_MODIFY | IN_CLOSE_WRITE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB;

QString Describe(uint32_t iMask) {
    const struct {
        uint32_t iBit;
        const char* sName;
    } names[] = {{IN_CREATE, "created"},     {IN_DELETE, "removed"},        {IN_MODIFY, "written"},
                 {IN_CLOSE_WRITE, "closed"}, {IN_MOVED_FROM, "moved away"}, {IN_MOVED_TO, "moved in"},
                 {IN_ATTRIB, "attributes"}};
    QStringList parts;
    for (const auto& name : names) {
        if (iMask & name.iBit)
            parts << QLatin1String(name.sName);
    }
    return parts.join(u',');
}

} // namespace

TFolderWatch::TFolderWatch(const QString& sFolder) : iHandle(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (iHandle >= 0)
        iWatch = inotify_add_watch(iHandle, QFile::encodeName(sFolder).constData(), iChanges);
}

TFolderWatch::~TFolderWatch() {
    if (iHandle >= 0)
        close(iHandle);
}

QStringList TFolderWatch::Changes() {
    QStringList changes;
    alignas(inotify_event) char buffer[16384];
    ssize_t iRead;
    while (iHandle >= 0 && (iRead = read(iHandle, buffer, sizeof buffer)) > 0) {
        for (ssize_t i = 0; i < iRead;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + i);
            changes << QString::fromLocal8Bit(event->len ? event->name : "") + QStringLiteral(": ") +
                           Describe(event->mask);
            i += ssize_t(sizeof(inotify_event)) + event->len;
        }
    }
    return changes;
}

QStringList FolderListing(const QString& sFolder) {
    QStringList lines;
    for (const QFileInfo& file :
         QDir(sFolder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name)) {
        lines << file.fileName() + u' ' + QString::number(file.size()) + u' ' +
                     file.lastModified().toString(Qt::ISODateWithMs);
    }
    return lines;
}
