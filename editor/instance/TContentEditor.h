#pragma once

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;
class THelpPicture;

// The "Popup Content HTML Editor": the popup's HTML as plain text, with its
// help picture in the head.
class TContentEditor : public QWidget {
    Q_OBJECT
public:
    explicit TContentEditor(QWidget* parent = nullptr);

    // The editor's text as lines; an empty editor has none.
    QStringList Lines() const;
    void SetLines(const QStringList& lines);

    QPlainTextEdit* HTMLMemo = nullptr;
    THelpPicture* HTMLHelp = nullptr;
    // The content put aside while the URL option is on.
    QStringList HTMLBackUpList;
};
