#include "TAboutForm.h"

#include "TVersionTexts.h"

#include <QLabel>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace {

QLabel* NewLinkLabel(const QString& sText, const QString& sURL, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(sURL, sText.toHtmlEscaped()), parent);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("Brisola"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette skyBlue = palette();
    skyBlue.setColor(QPalette::Window, QColor(0xa6, 0xca, 0xf0));
    setPalette(skyBlue);

    auto* picture = new QSvgWidget(QStringLiteral(":/editor/brisola.svg"), this);
    picture->setFixedSize(96, 96);
    auto* productLabel = new QLabel(QStringLiteral("Brisola"), this);
    productLabel->setObjectName(QStringLiteral("ProductLabel"));
    QFont productFont = productLabel->font();
    productFont.setPointSize(productFont.pointSize() + 10);
    productFont.setBold(true);
    productLabel->setFont(productFont);
    auto* makerLabel = new QLabel(QStringLiteral("Wendmark Software"), this);
    VersionLabel = new QLabel(this);
    VersionLabel->setObjectName(QStringLiteral("VersionLabel"));
    auto* webLabel = NewLinkLabel(QString::fromLatin1(sHomePage), QString::fromLatin1(sHomePage), this);
    auto* noticeLabel =
        NewLinkLabel(QStringLiteral("Copyright and legal notice"), QString::fromLatin1(sNoticePage), this);
    for (QLabel* label : {webLabel, noticeLabel})
        connect(label, &QLabel::linkActivated, this, &TAboutForm::OpenURLRequested);
    auto* okBtn = new QPushButton(QStringLiteral("OK"), this);
    okBtn->setDefault(true);
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    for (QLabel* label : {productLabel, makerLabel, VersionLabel}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addWidget(webLabel);
    layout->addWidget(noticeLabel);
    layout->addWidget(okBtn, 0, Qt::AlignHCenter);
}

void TAboutForm::showEvent(QShowEvent* event) {
    VersionLabel->setText(AboutVersionLine(sVersion));
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    QDialog::showEvent(event);
}
