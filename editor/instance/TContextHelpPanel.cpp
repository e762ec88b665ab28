#include "TContextHelpPanel.h"

#include "StringUtils.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TContextHelpPanel::TContextHelpPanel(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("ContextHelpPanel"));
    ContextHelpText = new QPlainTextEdit(this);
    ContextHelpText->setObjectName(QStringLiteral("ContextHelpText"));
    ContextHelpText->setAccessibleName(QStringLiteral("Context help"));
    ContextHelpText->setReadOnly(true);
    ContextHelpText->setMaximumHeight(90);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ContextHelpText);
}

void TContextHelpPanel::ShowHint(const QString& sHint) {
    const QString sTrimmed = TrimText(sHint);
    if (sTrimmed.isEmpty() || !HelpLookup)
        return;
    const QString sHelp = HelpLookup(sTrimmed);
    if (sHelp.isEmpty())
        return;
    setTitle(sTrimmed + QStringLiteral(":"));
    ContextHelpText->setPlainText(sHelp);
}
