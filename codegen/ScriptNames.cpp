#include "ScriptNames.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include "StringUtils.h"
#include "TextFile.h"

QString EscapeHtmlAttribute(const QString& sText) {
    return sText.toHtmlEscaped();
}

namespace {

bool IsReservedWord(const QString& sName) {
    static const QSet<QString> reserved = {
        "await",     "break",  "case",     "catch",  "class",      "const",   "continue",  "debugger",
        "default",   "delete", "do",       "else",   "enum",       "export",  "extends",   "false",
        "finally",   "for",    "function", "if",     "implements", "import",  "in",        "instanceof",
        "interface", "let",    "new",      "null",   "package",    "private", "protected", "public",
        "return",    "static", "super",    "switch", "this",       "throw",   "true",      "try",
        "typeof",    "var",    "void",     "while",  "with",       "yield"};
    return reserved.contains(sName);
}

// The names the linking script, the browser gate and the preview pages define or read.
bool IsGeneratedScriptName(const QString& sName) {
    static const QSet<QString> taken = {
        "QEL", "htmlstring", "initZEP", "preZEP", "runCmdSet", "dontShowAgain", "zepOnHide", "zepMask", "ZEPtooltip1",
        "bdf", "sp",         "dm",      "ie5x",   "op",        "mci",           "df",        "rf"};
    return taken.contains(sName);
}

// The global names of the language and of the browser window, from the list
// kept beside the other templates.
const QSet<QString>& BrowserAndLanguageNames() {
    static const QSet<QString> names = [] {
        QSet<QString> found;
        QFile file(QStringLiteral(":/codegen/GlobalNames.txt"));
        if (file.open(QIODevice::ReadOnly)) {
            for (const QString& sLine : SplitTextLines(DecodeText(file.readAll()))) {
                const QString sName = sLine.trimmed();
                if (!sName.isEmpty() && !sName.startsWith(u'#')) {
                    found.insert(sName);
                }
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

QString UniqueIDError(const QString& sID, const char* sProblem) {
    return QStringLiteral("Compile Error : Unique ID <") + sID + QStringLiteral("> ") + QLatin1String(sProblem);
}

} // namespace

bool IsScriptIdentifier(const QString& sName) {
    if (sName.isEmpty() || !IsNameStart(sName.front())) {
        return false;
    }
    for (QChar c : sName) {
        if (!IsNamePart(c)) {
            return false;
        }
    }
    return !IsReservedWord(sName);
}

bool IsGlobalNameInUse(const QString& sName) {
    return IsGeneratedScriptName(sName) || BrowserAndLanguageNames().contains(sName);
}

bool IsValidScriptName(const QString& sName) {
    return IsScriptIdentifier(sName) && !IsGlobalNameInUse(sName);
}

QString CheckUniqueIDs(const QStringList& uniqueIDs) {
    QHash<QString, QString> seen; // folded ID -> the ID as first given
    for (const QString& sStored : uniqueIDs) {
        const QString sID = TrimText(sStored);
        if (!IsScriptIdentifier(sID)) {
            return UniqueIDError(sID, "is not a valid script name");
        }
        if (IsGlobalNameInUse(sID)) {
            return UniqueIDError(sID, "is a global name of the browser, the language or the popup scripts");
        }
        // The project's content file is matched to its popups regardless of letter case.
        const QString sFolded = sID.toCaseFolded();
        if (const auto it = seen.constFind(sFolded); it != seen.cend()) {
            if (*it == sID) {
                return UniqueIDError(sID, "is used by more than one popup");
            }
            return QStringLiteral("Compile Error : Unique IDs <") + *it + QStringLiteral("> and <") + sID +
                   QStringLiteral("> differ only in letter case");
        }
        seen.insert(sFolded, sID);
    }
    return QString();
}
