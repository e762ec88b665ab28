#pragma once

#include <QFrame>
#include <QStringList>

// A panel that takes files dropped on it from the desktop. While AcceptFiles
// is set, a drag carrying local files is accepted, and each drop reports the
// full paths of its files, in the order the drag carried them, in one list.
class TPanelDD : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool AcceptFiles READ AcceptFiles WRITE SetAcceptFiles)
public:
    explicit TPanelDD(QWidget* parent = nullptr);

    bool AcceptFiles() const { return bAcceptFiles; }
    void SetAcceptFiles(bool bAccept);

signals:
    void FileDrop(TPanelDD* sender, const QStringList& files);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool bAcceptFiles = false;
};
