#include "TPanelDD.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

QStringList LocalFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr)
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    }
    return files;
}

} // namespace

TPanelDD::TPanelDD(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
}

void TPanelDD::SetAcceptFiles(bool bAccept) {
    bAcceptFiles = bAccept;
    setAcceptDrops(bAccept);
}

void TPanelDD::dragEnterEvent(QDragEnterEvent* event) {
    if (bAcceptFiles && !LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TPanelDD::dragMoveEvent(QDragMoveEvent* event) {
    if (bAcceptFiles && !LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TPanelDD::dropEvent(QDropEvent* event) {
    const QStringList files = LocalFiles(event->mimeData());
    if (!bAcceptFiles || files.isEmpty())
        return;
    event->acceptProposedAction();
    emit FileDrop(this, files);
}
