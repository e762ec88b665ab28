#pragma once

#include <QDialog>

class QLabel;

// The about box: product, maker, version line, the maker's web address and
// legal notice (both open in the browser), and OK.
class TAboutForm : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* sHomePage = "https://www.wendmark.example/";
    static constexpr const char* sSupportPage = "https://www.wendmark.example/support/";
    static constexpr const char* sNoticePage = "https://www.wendmark.example/legal/";

    explicit TAboutForm(QWidget* parent = nullptr);

    // The log's version text, read each time the box is shown.
    QString sVersion;
    QLabel* VersionLabel = nullptr;

signals:
    // A click on the address or the notice: the main window opens it.
    void OpenURLRequested(const QString& sURL);

protected:
    void showEvent(QShowEvent* event) override;
};
