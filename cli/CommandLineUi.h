#pragma once

#include <QString>
#include <QTextStream>

#include "CompileUi.h"

class TProjectDocument;

// Answers the compile's questions without prompting: every question is
// answered No (a template must be saved as a project first, with --save-as).
// Results go to the output stream, status lines and errors to the error stream.
class TCommandLineUi : public ICompileUi {
public:
    TCommandLineUi(TProjectDocument& oProject, QTextStream& out, QTextStream& err);

    void Log(const QString& sText) override;
    void ShowError(const QString& sText) override;
    bool Confirm(const QString& sQuestion) override;
    bool AskYesNo(const QString& sQuestion) override;
    void ShowInfo(const QString& sText) override;
    void Status(const QString& sText) override;
    void SetCaption(const QString& sCaption) override;
    bool SaveProject() override;
    bool SaveProjectAs() override;
    bool ShowResults(const TCompileResults& results) override;

    // The first error or refused question of the run, for the exit message.
    QString FirstProblem() const { return sFirstProblem; }

private:
    void NoteProblem(const QString& sText);

    TProjectDocument& oProject;
    QTextStream& out;
    QTextStream& err;
    QString sFirstProblem;
};
