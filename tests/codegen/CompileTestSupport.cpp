#include "CompileTestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString CompileDataDir() {
    return QStringLiteral(BRISOLA_TEST_DATA_DIR "/compile");
}

QString TestTemplateDir() {
    return CompileDataDir() + QStringLiteral("/templates/");
}

bool CopyFolderFiles(const QString& sFrom, const QString& sTo) {
    const QDir from(sFrom);
    for (const QString& sName : from.entryList(QDir::Files)) {
        QFile::remove(sTo + u'/' + sName);
        if (!QFile::copy(from.filePath(sName), sTo + u'/' + sName)) {
            return false;
        }
        QFile(sTo + u'/' + sName).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    }
    return true;
}

QString FormatResults(const TCompileResults& results) {
    QString sText;
    const auto block = [&sText](const char* sName, const QStringList& lines) {
        sText += QLatin1String(sName) + QLatin1String("\r\n");
        for (const QString& sLine : lines) {
            sText += sLine + QLatin1String("\r\n");
        }
    };
    block("[ScriptBody]", results.ScriptBody);
    block("[IncludeFiles]", results.IncludeFiles);
    block("[OnMouseSyntax]", results.OnMouseSyntax);
    block("[AnchorSyntax]", results.AnchorSyntax);
    return sText;
}

bool TCompileFixture::Open(const QString& sSourceFolder, const QString& sProjectName) {
    sDir = TempDir.path() + u'/';
    if (!CopyFolderFiles(sSourceFolder, TempDir.path()) || !Project.Open(Path(sProjectName))) {
        return false;
    }
    Ui.OnSave = [this] { return Project.Save(); };
    Pipeline = std::make_unique<TCompilePipeline>(Project.Project, Script, Ui, TestTemplateDir());
    Pipeline->EditableFiles = Project.EditableFiles;
    Pipeline->UpLoadIncludeList = Project.UpLoadIncludeList;
    return true;
}

bool TCompileFixture::Compile() {
    return Pipeline->CompileProject(InstanceRefs(Project.Project));
}
