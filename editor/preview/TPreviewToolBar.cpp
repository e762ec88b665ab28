#include "TPreviewToolBar.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

struct TActionButton {
    const char* sCaption;
    CVisitorAction Action;
    const char* sHint;
};

const TActionButton ActionButtons[] = {
    {"Skip delay", CVisitorAction::vaSkipDelay, "Runs the visitor's clock on to the popup's next timed event"},
    {"New visit", CVisitorAction::vaNewVisit, "The same visitor opens the page again"},
    {"New session", CVisitorAction::vaNewSession, "The visitor closes the browser, then opens the page again"},
    {"Next day", CVisitorAction::vaNextDay, "The visitor comes back 24 hours later"},
    {"Reset visitor", CVisitorAction::vaResetVisitor, "A visitor who has never seen the page"},
    {"Exit intent", CVisitorAction::vaExitIntent, "The visitor moves to leave the page"},
};

} // namespace

TPreviewToolBar::TPreviewToolBar(QWidget* parent)
    : QWidget(parent), DeviceBox(new QComboBox(this)), WhyEdit(new QLineEdit(this)) {
    setObjectName(QStringLiteral("PreviewToolBar"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* deviceLabel = new QLabel(QStringLiteral("Device:"), this);
    deviceLabel->setBuddy(DeviceBox);
    DeviceBox->setAccessibleName(QStringLiteral("Device:"));
    for (const TPreviewDevice& device : PreviewDevices)
        DeviceBox->addItem(QLatin1String(device.sName));
    connect(DeviceBox, &QComboBox::activated, this, [this](int iIndex) { emit DeviceChosen(PreviewDevices[iIndex]); });
    layout->addWidget(deviceLabel, 0, 0);
    layout->addWidget(DeviceBox, 0, 1, 1, 2);
    int iCell = 3;
    for (const TActionButton& entry : ActionButtons) {
        auto* button = new QPushButton(QLatin1String(entry.sCaption), this);
        button->setAccessibleName(QLatin1String(entry.sCaption));
        button->setToolTip(QLatin1String(entry.sHint));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, action = entry.Action] { emit ActionChosen(action); });
        layout->addWidget(button, iCell / 3, iCell % 3);
        ++iCell;
    }
    auto* whyLabel = new QLabel(QStringLiteral("Why:"), this);
    whyLabel->setBuddy(WhyEdit);
    WhyEdit->setAccessibleName(QStringLiteral("Why:"));
    WhyEdit->setReadOnly(true);
    layout->addWidget(whyLabel, 3, 0);
    layout->addWidget(WhyEdit, 3, 1, 1, 2);
}

void TPreviewToolBar::SetDevice(const QString& sName) {
    const int iIndex = DeviceBox->findText(sName);
    if (iIndex >= 0)
        DeviceBox->setCurrentIndex(iIndex);
}

void TPreviewToolBar::SetWhy(const QString& sText) {
    WhyEdit->setText(sText);
    WhyEdit->setCursorPosition(0);
}

QString TPreviewToolBar::Why() const {
    return WhyEdit->text();
}
