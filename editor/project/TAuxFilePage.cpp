#include "TAuxFilePage.h"

#include "TextFile.h"

#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

TAuxFilePage::TAuxFilePage(const QString& sFileName, QWidget* parent) : QWidget(parent), sFileName(sFileName) {
    setObjectName(QStringLiteral("AuxFilePage"));
    FileMemo = new QPlainTextEdit(this);
    FileMemo->setObjectName(QStringLiteral("FileMemo"));
    FileMemo->setAccessibleName(sFileName);
    FileMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    FileMemo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FileMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FileMemo);
    connect(FileMemo, &QPlainTextEdit::textChanged, this, [this] { emit TextEdited(this); });
}

QString TAuxFilePage::Text() const {
    return FileMemo->toPlainText();
}

bool TAuxFilePage::LoadFrom(const QString& sPath) {
    QStringList lines;
    if (!ReadTextLines(sPath, lines))
        return false;
    ShowText(lines.join(u'\n'));
    return true;
}

void TAuxFilePage::ShowText(const QString& sText) {
    const QSignalBlocker blocker(FileMemo);
    FileMemo->setPlainText(sText);
    sKnownText = sText;
}

bool TAuxFilePage::SaveTo(const QString& sPath) const {
    return WriteTextLines(sPath, SplitTextLines(Text()));
}
