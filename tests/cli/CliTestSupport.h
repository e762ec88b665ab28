#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Running brisola-compile and writing the projects it is handed.

struct TRun {
    int iExitCode = -1; // -1: crashed or still running after a minute
    QString sOut;
    QString sErr;
};

TRun RunCompile(const QStringList& arguments);
void WriteAll(const QString& sPath, const QByteArray& bytes);

// One popup of a test project, given as file text.
struct TTestPopup {
    explicit TTestPopup(const QByteArray& id) : uniqueID(id) {}
    TTestPopup& Reference(const QByteArray& lines) { return reference = lines, *this; }
    TTestPopup& Sections(const QByteArray& text) { return sections = text, *this; }
    TTestPopup& Html(const QByteArray& text) { return html = text, *this; }
    TTestPopup& Layers(const QList<QByteArray>& strings) { return layers = strings, *this; }

    QByteArray uniqueID;
    QByteArray reference;             // further lines of its "REFERENCE" section
    QByteArray sections;              // further sections, named without the instance's number
    QByteArray html = "<p>Hello</p>"; // its HTML file
    QList<QByteArray> layers;         // content strings of its layers 1, 2, ... as the content file holds them
};

// Writes the project file sName (".zrj") into sFolder: a single-popup project
// for one popup, else a multi-popup one; with dynamic content on, each popup's
// HTML file and the content file with every popup's lines. projectSections
// are further project-wide lines, "[SECTION]" headers included. Answers the
// project file's path.
QString WriteTestProject(const QString& sFolder, const QString& sName, const QList<TTestPopup>& popups,
                         const QByteArray& projectSections = {});
