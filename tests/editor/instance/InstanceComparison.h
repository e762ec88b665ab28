#pragma once

#include "TZEPProject.h"

#include <QStringList>

#include <memory>

// Reads a project of the installation's templates folder (nothing is written).
std::unique_ptr<TZEPProject> LoadTemplate(const QString& sName);
// The names of the installation's templates, without extension.
QStringList TemplateNames();
// Expects every field that the instance editor shows or writes to be equal.
void ExpectSameInstance(const TZEPInstance& actual, const TZEPInstance& expected);
