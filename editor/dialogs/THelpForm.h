#pragma once

#include "THelpIndex.h"

#include <QDialog>

class QTextBrowser;

// The help window: the help pages in a browser with Contents, Index, Back and
// Forward, opened at the contents or at a keyword's page.
class THelpForm : public QDialog {
    Q_OBJECT
public:
    explicit THelpForm(QWidget* parent = nullptr);

    void ShowContents();
    // Opens the keyword's page; an unknown keyword shows the index.
    void ShowKeyword(const QString& sKeyword);
    QString CurrentPage() const;

private:
    void ShowPage(const QString& sPage);

    THelpIndex Index;
    QTextBrowser* Browser = nullptr;
};
