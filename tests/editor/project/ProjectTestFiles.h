#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QWidget;

// Files and drops for the project command tests.

// Writes the bytes to the file, creating its folder.
void WriteFile(const QString& sPath, const QByteArray& bytes);
// A single-popup project (or template) with its HTML file, the popup's
// attached files and the project's editable files listed (each written
// beside it with its own name as text).
void WriteProjectFiles(const QString& sProjectFile, bool bTemplate, const QStringList& attached = {},
                       const QStringList& editable = {});
// Drags the files onto the widget and drops them there, as the desktop does;
// true when the widget took the drop.
bool DropFiles(QWidget* target, const QStringList& files);
