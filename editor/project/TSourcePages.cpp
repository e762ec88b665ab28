#include "TSourcePages.h"

#include <QVBoxLayout>

TSourcePages::TSourcePages(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("SourcePages"));
    setTabPosition(QTabWidget::South);
    HTMLPage = new QWidget(this);
    HTMLPage->setObjectName(QStringLiteral("HTMLPage"));
    auto* layout = new QVBoxLayout(HTMLPage);
    layout->setContentsMargins(0, 0, 0, 0);
    addTab(HTMLPage, QStringLiteral("HTML"));
}

void TSourcePages::SetHTMLEditor(QWidget* editor) {
    HTMLPage->layout()->addWidget(editor);
}
