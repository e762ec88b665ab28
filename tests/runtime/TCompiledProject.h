#pragma once

#include "CompilePipeline.h"

#include <QString>

#include <functional>

class TZEPProject;

// Compiles one of the compile cases (tests/data/compile/<case>/project) and
// copies everything the compile wrote into a page folder, as a designer
// uploads it. Results holds what the compile tells the designer to paste.
// bStrictCSP sets the project's strict policy option; Adjust, when given,
// changes the opened project further before the compile.
struct TCompiledProject {
    bool Compile(const QString& sCase, const QString& sProjectName, const QString& sPageFolder, bool bStrictCSP = false,
                 const std::function<void(TZEPProject&)>& Adjust = {});
    // The lines to paste after the body tag, joined.
    QString ScriptBody() const { return Results.ScriptBody.join(u'\n'); }

    TCompileResults Results;
    QString sError;
};
