#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include "CompilePipeline.h"
#include "CompileTestUi.h"
#include "TProjectDocument.h"
#include "TScriptForm.h"
#include "TestSupport.h"

// Folder of the compile cases and of the mask template the cases use.
QString CompileDataDir();
QString TestTemplateDir();
// Copies every file of a folder (not recursive) into another.
bool CopyFolderFiles(const QString& sFrom, const QString& sTo);
// Writes the results in the layout of the expected "results.txt".
QString FormatResults(const TCompileResults& results);

// A project copied into a temporary folder, opened, with a pipeline whose
// saves go to disk and whose questions are scripted.
class TCompileFixture {
public:
    // Copies the folder's files and opens the project file sProjectName in the copy.
    bool Open(const QString& sSourceFolder, const QString& sProjectName);
    bool Compile();
    QString Path(const QString& sName) const { return sDir + sName; }

    QTemporaryDir TempDir;
    QString sDir; // with a trailing separator
    TProjectDocument Project;
    TScriptForm Script;
    TScriptedCompileUi Ui;
    std::unique_ptr<TCompilePipeline> Pipeline;
};
