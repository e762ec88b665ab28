#pragma once

#include "CompilePipeline.h"

#include <QString>

// Compiles one of the compile cases (tests/data/compile/<case>/project) and
// copies everything the compile wrote into a page folder, as a designer
// uploads it. Results holds what the compile tells the designer to paste.
struct TCompiledProject {
    bool Compile(const QString& sCase, const QString& sProjectName, const QString& sPageFolder);
    // The lines to paste after the body tag, joined.
    QString ScriptBody() const { return Results.ScriptBody.join(u'\n'); }

    TCompileResults Results;
    QString sError;
};
