#include "TMainLayout.h"

#include "TContentEditor.h"
#include "TDialogControls.h"
#include "TInstanceEditor.h"
#include "TPreviewPanel.h"
#include "TSourcePages.h"

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QToolTip>
#include <QVBoxLayout>

void TMainLayout::Build(QMainWindow& window, bool& bUpdating, IEditorServices& services) {
    QPalette tipPalette = QToolTip::palette();
    tipPalette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xCC));
    tipPalette.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tipPalette);

    auto* splitter = new QSplitter(Qt::Horizontal, &window);
    splitter->addWidget(BuildEditorColumn(splitter, bUpdating, services));
    PreviewPanel = new TPreviewPanel(splitter);
    splitter->addWidget(PreviewPanel);
    splitter->setStretchFactor(1, 1);
    window.setCentralWidget(splitter);
    BuildStatusBar(window);
}

QWidget* TMainLayout::BuildEditorColumn(QWidget* parent, bool& bUpdating, IEditorServices& services) {
    auto* column = new QWidget(parent);
    InstanceTabs = new QTabBar(column);
    InstanceTabs->setObjectName(QStringLiteral("InstanceTabs"));
    InstanceEditor = new TInstanceEditor(bUpdating, services, column);
    // The content editor becomes the HTML page of the source pages, which
    // take its place beside the groups.
    SourcePages = new TSourcePages(column);
    TContentEditor& content = InstanceEditor->Content();
    auto* splitter = qobject_cast<QSplitter*>(content.parentWidget());
    splitter->replaceWidget(splitter->indexOf(&content), SourcePages);
    SourcePages->SetHTMLEditor(&content);
    content.show();
    ContextHelpPanel = new QGroupBox(column);
    ContextHelpPanel->setObjectName(QStringLiteral("ContextHelpPanel"));
    ContextHelpMemo = new QPlainTextEdit(ContextHelpPanel);
    ContextHelpMemo->setObjectName(QStringLiteral("ContextHelpText"));
    ContextHelpMemo->setReadOnly(true);
    ContextHelpMemo->setMaximumHeight(90);
    auto* helpLayout = new QVBoxLayout(ContextHelpPanel);
    helpLayout->addWidget(ContextHelpMemo);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(InstanceTabs);
    layout->addWidget(InstanceEditor, 1);
    layout->addWidget(ContextHelpPanel);
    return column;
}

void TMainLayout::BuildStatusBar(QMainWindow& window) {
    StatusPanel = new QLabel(&window);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setFixedWidth(480);
    PointerPanel = new QLabel(&window);
    PointerPanel->setObjectName(QStringLiteral("PointerPanel"));
    PointerPanel->setFixedWidth(50);
    window.statusBar()->addWidget(StatusPanel);
    window.statusBar()->addWidget(PointerPanel);
    QLabel* pointer = PointerPanel;
    QObject::connect(PreviewPanel, &TPreviewPanel::PointerMoved, pointer, [pointer](const QPoint& position) {
        pointer->setText(QStringLiteral("%1, %2").arg(position.x()).arg(position.y()));
    });
    QObject::connect(PreviewPanel, &TPreviewPanel::PointerLeft, pointer, &QLabel::clear);
    QObject::connect(PreviewPanel, &TPreviewPanel::BrowserPointerMoved, pointer, [pointer](const QPoint& position) {
        pointer->setText(QStringLiteral("X=%1, Y=%2").arg(position.x()).arg(position.y()));
    });
}

void TMainLayout::FillInstanceTabs(const QStringList& captions) {
    while (InstanceTabs->count() > 0)
        InstanceTabs->removeTab(0);
    for (const QString& sCaption : captions)
        InstanceTabs->addTab(sCaption);
    InstanceTabs->setCurrentIndex(0);
    // A hidden tab bar does not tell its layout that its size changed.
    InstanceTabs->updateGeometry();
}

void TMainLayout::ShowContextHelp(const QString& sHint, const QString& sHelp) {
    SetGroupTitle(ContextHelpPanel, sHint + QStringLiteral(":"));
    ContextHelpMemo->setPlainText(sHelp);
}

void TMainLayout::PointerMovedOver(QWidget* widget) {
    if (widget != PreviewPanel && !PreviewPanel->isAncestorOf(widget))
        PointerPanel->clear();
}

QString TMainLayout::StatusText() const {
    return StatusPanel->text();
}

QString TMainLayout::PointerText() const {
    return PointerPanel->text();
}

QString TMainLayout::ContextHelpText() const {
    return ContextHelpMemo->toPlainText();
}
