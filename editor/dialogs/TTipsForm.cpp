#include "TTipsForm.h"

#include "ColourUtils.h"
#include "GuiColours.h"
#include "TClock.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TTipsForm::TTipsForm(const IClock& clock, QWidget* parent)
    : QDialog(parent), Clock(clock), Tips(TTipSequence::LoadTips(), clock) {
    setObjectName(QStringLiteral("TipsForm"));
    setWindowTitle(QStringLiteral("Tips for getting started"));

    auto* heading = new QLabel(QStringLiteral("Welcome to Brisola!"), this);
    QFont headingFont = heading->font();
    headingFont.setPointSize(headingFont.pointSize() + 6);
    headingFont.setBold(true);
    heading->setFont(headingFont);

    Panel = new QFrame(this);
    Panel->setObjectName(QStringLiteral("TipPanel"));
    Panel->setFrameShape(QFrame::StyledPanel);
    Panel->setAutoFillBackground(true);
    auto* logo = new QLabel(Panel);
    logo->setPixmap(QPixmap(QStringLiteral(":/editor/brisola.svg")).scaled(48, 48));
    auto* quickTip = new QLabel(QStringLiteral("Quick Tip:"), Panel);
    QFont boldFont = quickTip->font();
    boldFont.setBold(true);
    quickTip->setFont(boldFont);
    TipLabel = new QLabel(Panel);
    TipLabel->setObjectName(QStringLiteral("TipLabel"));
    TipLabel->setWordWrap(true);
    TipLabel->setMinimumSize(320, 90);
    TipLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* textColumn = new QVBoxLayout;
    textColumn->addWidget(quickTip);
    textColumn->addWidget(TipLabel, 1);
    auto* panelLayout = new QHBoxLayout(Panel);
    panelLayout->addWidget(logo, 0, Qt::AlignTop);
    panelLayout->addLayout(textColumn, 1);

    auto* nextBtn = new QPushButton(QStringLiteral("Next"), this);
    nextBtn->setObjectName(QStringLiteral("NextBtn"));
    auto* closeBtn = new QPushButton(QStringLiteral("Close"), this);
    closeBtn->setObjectName(QStringLiteral("CloseBtn"));
    connect(nextBtn, &QPushButton::clicked, this, &TTipsForm::NextBtnClick);
    connect(closeBtn, &QPushButton::clicked, this, &QDialog::reject);

    ShowTipsBox = new QCheckBox(QStringLiteral("Show Tips at Startup (can also be seen from help menu)"), this);
    ShowTipsBox->setObjectName(QStringLiteral("ShowTipsBox"));
    connect(ShowTipsBox, &QCheckBox::clicked, this, [this](bool bChecked) { bShowTipsAtStartUp = bChecked; });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ShowTipsBox, 1);
    buttons->addWidget(nextBtn);
    buttons->addWidget(closeBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(Panel, 1);
    layout->addLayout(buttons);
}

QString TTipsForm::TipText() const {
    return TipLabel->text();
}

QColor TTipsForm::PanelColour(quint32 iTickCount) {
    return ToQColor(TintColour(HueColour(int(iTickCount % 360), 100), 80));
}

void TTipsForm::ChooseColour() {
    BackGroundColour = PanelColour(Clock.TickCount());
    QPalette palette = Panel->palette();
    palette.setColor(QPalette::Window, BackGroundColour);
    Panel->setPalette(palette);
}

void TTipsForm::ShowCurrentTip() {
    TipLabel->setText(Tips.Current());
}

void TTipsForm::NextTip() {
    TipLabel->setText(Tips.Next(bRandomTips));
}

void TTipsForm::NextBtnClick() {
    ChooseColour();
    NextTip();
}

void TTipsForm::showEvent(QShowEvent* event) {
    ChooseColour();
    ShowTipsBox->setChecked(bShowTipsAtStartUp);
    ShowCurrentTip();
    QDialog::showEvent(event);
}

void TTipsForm::done(int iResult) {
    if (isVisible())
        NextTip();
    QDialog::done(iResult);
}
