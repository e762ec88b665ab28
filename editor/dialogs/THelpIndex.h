#pragma once

#include <QHash>
#include <QString>

// The keyword index of the help pages: one "keyword=page" line per keyword.
// A blank keyword asks for the index page itself.
class THelpIndex {
public:
    static constexpr const char* sContentsPage = "contents.html";
    static constexpr const char* sIndexPage = "index.html";

    void Parse(const QString& sText);
    // The page for a keyword, regardless of case; empty when unknown.
    QString PageFor(const QString& sKeyword) const;

private:
    QHash<QString, QString> Pages;
};
