#include "THelpForm.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const QString sHelpRoot = QStringLiteral("qrc:/help/");
}

THelpForm::THelpForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Brisola Help"));
    setObjectName(QStringLiteral("HelpForm"));
    resize(640, 520);

    QFile indexFile(QStringLiteral(":/help/keywords.txt"));
    if (indexFile.open(QIODevice::ReadOnly))
        Index.Parse(QString::fromUtf8(indexFile.readAll()));

    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(true);
    auto* contentsBtn = new QPushButton(QStringLiteral("Contents"), this);
    auto* indexBtn = new QPushButton(QStringLiteral("Index"), this);
    auto* backBtn = new QPushButton(QStringLiteral("Back"), this);
    auto* forwardBtn = new QPushButton(QStringLiteral("Forward"), this);
    connect(contentsBtn, &QPushButton::clicked, this, &THelpForm::ShowContents);
    connect(indexBtn, &QPushButton::clicked, this, [this] { ShowKeyword(QStringLiteral(" ")); });
    connect(backBtn, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(forwardBtn, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, backBtn, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, forwardBtn, &QPushButton::setEnabled);
    backBtn->setEnabled(false);
    forwardBtn->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {contentsBtn, indexBtn, backBtn, forwardBtn})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser);
}

void THelpForm::ShowContents() {
    ShowPage(QString::fromLatin1(THelpIndex::sContentsPage));
}

void THelpForm::ShowKeyword(const QString& sKeyword) {
    const QString sPage = Index.PageFor(sKeyword);
    ShowPage(sPage.isEmpty() ? QString::fromLatin1(THelpIndex::sIndexPage) : sPage);
}

QString THelpForm::CurrentPage() const {
    return Browser->source().fileName();
}

void THelpForm::ShowPage(const QString& sPage) {
    Browser->setSource(QUrl(sHelpRoot + sPage));
    show();
    raise();
    activateWindow();
}
