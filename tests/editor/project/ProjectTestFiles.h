#pragma once

#include <QAccessible>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;

// Files, drops and controls found by caption for the project and compile
// command tests.

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

// The first control of the type under root whose accessible name is sName.
template <class T> T* FindByAccessibleName(const QWidget& root, const QString& sName) {
    for (T* control : root.findChildren<T*>()) {
        if (QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name) == sName)
            return control;
    }
    return nullptr;
}

// Replaces the field's text by typing, as the designer does.
void TypeOver(QLineEdit* edit, const QString& sText);
