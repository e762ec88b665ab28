#include "TEditableFilePages.h"

#include "ProjectFiles.h"
#include "TAuxFilePage.h"
#include "TZEPProject.h"

#include <QFileInfo>
#include <QTabWidget>

TEditableFilePages::TEditableFilePages(QTabWidget& SourcePages, const TZEPProject& project, TLogLine log)
    : QObject(&SourcePages), SourcePages(SourcePages), Project(project), Log(std::move(log)) {}

QList<TAuxFilePage*> TEditableFilePages::Pages() const {
    QList<TAuxFilePage*> pages;
    for (int i = 0; i < SourcePages.count(); ++i) {
        if (auto* page = qobject_cast<TAuxFilePage*>(SourcePages.widget(i)))
            pages.append(page);
    }
    return pages;
}

TAuxFilePage* TEditableFilePages::FindPage(const QString& sFileName) const {
    const QString sName = QFileInfo(sFileName).fileName();
    for (TAuxFilePage* page : Pages()) {
        if (page->FileName().compare(sName, Qt::CaseInsensitive) == 0)
            return page;
    }
    return nullptr;
}

QString TEditableFilePages::FilePath(const TAuxFilePage& page) const {
    return ProjectDirectory(Project.sFullProjectName) + page.FileName();
}

void TEditableFilePages::AddEditableFilePage(const QString& sFileName) {
    auto* page = new TAuxFilePage(QFileInfo(sFileName).fileName(), &SourcePages);
    connect(page, &TAuxFilePage::TextEdited, this, &TEditableFilePages::PageEdited);
    SourcePages.addTab(page, page->FileName());
    LoadPage(*page, sFileName);
}

void TEditableFilePages::LoadPage(TAuxFilePage& page, const QString& sFileName) {
    if (page.LoadFrom(FilePath(page)))
        Log(QStringLiteral("Loaded editable file <") + sFileName + QStringLiteral(">"));
    else
        Log(QStringLiteral("Unable to read editable file <") + FilePath(page) + QStringLiteral(">"));
}

void TEditableFilePages::LoadEditableFile(const QString& sFileName) {
    TAuxFilePage* page = FindPage(sFileName);
    if (page == nullptr)
        return;
    LoadPage(*page, sFileName);
    page->bEdited = false;
}

bool TEditableFilePages::SaveEditableFile(const QString& sFileName, bool bForceSave) {
    TAuxFilePage* page = FindPage(sFileName);
    if (Project.bTemplate == 1 || page == nullptr || !(page->bEdited || bForceSave))
        return true;
    if (!page->SaveTo(FilePath(*page))) {
        sLastError = QStringLiteral("Unable to write to ") + FilePath(*page);
        return false;
    }
    page->bEdited = false;
    Log(QStringLiteral("Saved editable file <") + sFileName + QStringLiteral(">"));
    return true;
}

void TEditableFilePages::RemoveEditableFile(const QString& sFileName) {
    TAuxFilePage* page = FindPage(sFileName);
    if (page == nullptr)
        return;
    SourcePages.removeTab(SourcePages.indexOf(page));
    delete page;
    Log(QStringLiteral("Removed tab associated with file <") + sFileName + QStringLiteral(">"));
    SourcePages.update();
}

void TEditableFilePages::RemoveAllEditableFilePages() {
    for (TAuxFilePage* page : Pages()) {
        SourcePages.removeTab(SourcePages.indexOf(page));
        delete page;
    }
}

QMap<QString, QString> TEditableFilePages::UnsavedTexts() const {
    QMap<QString, QString> texts;
    for (const TAuxFilePage* page : Pages()) {
        if (page->bEdited)
            texts.insert(page->FileName(), page->Text());
    }
    return texts;
}

void TEditableFilePages::PageEdited(TAuxFilePage* page) {
    page->bEdited = true;
    emit Changed();
}
