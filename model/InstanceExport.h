#pragma once

#include <QString>

class TZEPProject;

// Writes the instance at iIndex of oProject as a single-popup project file at
// sPath, with its HTML file, its content items and its attached files beside
// it (the attached files copied from the project's directory), so that it
// loads and compiles on its own. The project's options go with it; the content
// file is written whenever the popup has sequential layers, so they are not
// lost. An existing file at sPath is replaced. The instance stays in the
// project as it was. False with the reason in sError when a file cannot be
// written.
bool SaveInstanceAsProject(TZEPProject& oProject, int iIndex, const QString& sPath, QString& sError);
