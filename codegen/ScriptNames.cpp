#include "ScriptNames.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include "StringUtils.h"

QString EscapeScriptString(const QString& sText) {
    QString sResult;
    sResult.reserve(sText.size() + 8);
    for (qsizetype i = 0; i < sText.size(); ++i) {
        const QChar c = sText.at(i);
        switch (c.unicode()) {
        case u'\\':
            sResult += QLatin1String("\\\\");
            break;
        case u'"':
            sResult += QLatin1String("\\\"");
            break;
        case u'\r':
            sResult += QLatin1String("\\r");
            break;
        case u'\n':
            sResult += QLatin1String("\\n");
            break;
        case 0x2028:
            sResult += QLatin1String("\\u2028");
            break;
        case 0x2029:
            sResult += QLatin1String("\\u2029");
            break;
        case u'/':
            if (i > 0 && sText.at(i - 1) == u'<') {
                sResult += QLatin1String("\\/");
            } else {
                sResult += c;
            }
            break;
        default:
            sResult += c;
        }
    }
    return sResult;
}

namespace {

bool IsReservedWord(const QString& sName) {
    static const QSet<QString> reserved = {
        "await",    "break",     "case",       "catch",     "class",  "const",      "continue",  "debugger", "default",
        "delete",   "do",        "else",       "enum",      "export", "extends",    "false",     "finally",  "for",
        "function", "if",        "implements", "import",    "in",     "instanceof", "interface", "let",      "new",
        "null",     "package",   "private",    "protected", "public", "return",     "static",    "super",    "switch",
        "this",     "throw",     "true",       "try",       "typeof", "var",        "void",      "while",    "with",
        "yield",    "undefined", "NaN",        "Infinity"};
    return reserved.contains(sName);
}

// Page-global names that a popup's variable would overwrite and so break the
// page: the names the linking script, the browser gate and the preview pages
// define or read, and properties of the browser window that cannot hold a
// popup (assigning "location" would even leave the page).
bool IsNameTakenOnThePage(const QString& sName) {
    static const QSet<QString> taken = {
        // generated scripts
        "QEL", "htmlstring", "initZEP", "preZEP", "runCmdSet", "dontShowAgain", "zepOnHide", "zepMask", "ZEPtooltip1",
        "bdf", "sp", "dm", "ie5x", "op", "mci", "df", "rf",
        // browser window
        "window", "document", "location", "navigator", "history", "screen", "top", "self", "parent", "frames", "opener",
        "name", "status", "length", "closed", "event", "external", "origin"};
    return taken.contains(sName);
}

// Names the runtime library declares at its top level (functions and
// variables at the start of a line): a popup of that name would replace a
// library routine. Read once from the library's own sections, so the list
// follows the library.
const QSet<QString>& RuntimeGlobalNames() {
    static const QSet<QString> names = [] {
        QSet<QString> found;
        static const QRegularExpression declaration(QStringLiteral("^(?:function|var)\\s+([A-Za-z_$][A-Za-z0-9_$]*)"),
                                                    QRegularExpression::MultilineOption);
        const QDir folder(QStringLiteral(":/runtime"));
        for (const QString& sFile : folder.entryList(QDir::Files)) {
            QFile file(folder.filePath(sFile));
            if (!file.open(QIODevice::ReadOnly)) {
                continue;
            }
            const QString sText = QString::fromUtf8(file.readAll());
            for (auto it = declaration.globalMatch(sText); it.hasNext();) {
                found.insert(it.next().captured(1));
            }
        }
        return found;
    }();
    return names;
}

bool IsNameStart(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c == u'$';
}

bool IsNamePart(QChar c) {
    return IsNameStart(c) || (c >= u'0' && c <= u'9');
}

} // namespace

bool IsValidScriptName(const QString& sName) {
    if (sName.isEmpty() || !IsNameStart(sName.front())) {
        return false;
    }
    for (QChar c : sName) {
        if (!IsNamePart(c)) {
            return false;
        }
    }
    return !IsReservedWord(sName) && !IsNameTakenOnThePage(sName) && !RuntimeGlobalNames().contains(sName);
}

QString CheckUniqueIDs(const QStringList& uniqueIDs) {
    QSet<QString> seen;
    for (const QString& sStored : uniqueIDs) {
        const QString sID = TrimText(sStored);
        if (!IsValidScriptName(sID)) {
            return QStringLiteral("Compile Error : Unique ID <") + sID + QStringLiteral("> is not a valid script name");
        }
        if (seen.contains(sID)) {
            return QStringLiteral("Compile Error : Unique ID <") + sID +
                   QStringLiteral("> is used by more than one popup");
        }
        seen.insert(sID);
    }
    return QString();
}
