#include "CommandLineUi.h"

#include "TProjectDocument.h"

TCommandLineUi::TCommandLineUi(TProjectDocument& oProject, QTextStream& out, QTextStream& err)
    : oProject(oProject), out(out), err(err) {}

void TCommandLineUi::NoteProblem(const QString& sText) {
    if (sFirstProblem.isEmpty()) {
        sFirstProblem = sText;
    }
}

void TCommandLineUi::Log(const QString& sText) {
    err << sText << Qt::endl;
}

void TCommandLineUi::ShowError(const QString& sText) {
    NoteProblem(sText);
    err << "Error: " << sText << Qt::endl;
}

bool TCommandLineUi::Confirm(const QString& sQuestion) {
    NoteProblem(sQuestion + QStringLiteral(" (use --save-as FILE.zrj)"));
    return false;
}

bool TCommandLineUi::AskYesNo(const QString& sQuestion) {
    NoteProblem(sQuestion);
    return false;
}

void TCommandLineUi::ShowInfo(const QString& sText) {
    err << sText << Qt::endl;
}

void TCommandLineUi::Status(const QString& sText) {
    err << sText << Qt::endl;
}

void TCommandLineUi::SetCaption(const QString&) {}

bool TCommandLineUi::SaveProject() {
    if (oProject.Save()) {
        return true;
    }
    err << "Error: " << oProject.GetLastError() << Qt::endl;
    return false;
}

bool TCommandLineUi::SaveProjectAs() {
    return false;
}

bool TCommandLineUi::ShowResults(const TCompileResults& results) {
    const auto block = [this](const char* sLabel, const QStringList& lines) {
        out << sLabel << Qt::endl;
        for (const QString& sLine : lines) {
            out << sLine << Qt::endl;
        }
        out << Qt::endl;
    };
    block("Place these scripts in the body of the webpage, just after the <body> tag:", results.ScriptBody);
    block("Place these files on the server in the same directory as the web page (default location):",
          results.IncludeFiles);
    block("Mouse code if  selected:", results.OnMouseSyntax);
    block("Anchoring code if selected:", results.AnchorSyntax);
    out.flush();
    return results.bShowFormBox;
}
