#include "TCompiledProject.h"

#include "CompileTestSupport.h"

bool TCompiledProject::Compile(const QString& sCase, const QString& sProjectName, const QString& sPageFolder,
                               bool bStrictCSP, const std::function<void(TZEPProject&)>& Adjust) {
    TCompileFixture fixture;
    if (!fixture.Open(CompileDataDir() + u'/' + sCase + QStringLiteral("/project"), sProjectName)) {
        sError = QStringLiteral("cannot open ") + sCase;
        return false;
    }
    fixture.Project.Project.bStrictCSP = bStrictCSP ? 1 : 0;
    if (Adjust) {
        Adjust(fixture.Project.Project);
    }
    if (!fixture.Compile() || fixture.Ui.Results.size() != 1) {
        sError = fixture.Ui.Errors.join(u'\n');
        return false;
    }
    Results = fixture.Ui.Results.front();
    return CopyFolderFiles(fixture.TempDir.path(), sPageFolder);
}
