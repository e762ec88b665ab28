#pragma once

#include <QTabWidget>

// The page control below the instance editor, tabs at the bottom: its first
// page "HTML" holds the popup's HTML editor, every editable file of the
// project adds a page of its own.
class TSourcePages : public QTabWidget {
    Q_OBJECT
public:
    explicit TSourcePages(QWidget* parent = nullptr);

    // Puts the popup's HTML editor on the HTML page.
    void SetHTMLEditor(QWidget* editor);

    QWidget* HTMLPage = nullptr;
};
