#include "TScriptForm.h"

#include "MaskImage.h"
#include "StringUtils.h"
#include "TextFile.h"
#include "Version.h"

#include <QDir>
#include <QFile>

namespace {

const QString sSectionMarker = QStringLiteral("//EndOfSection ");
const QString sScriptVersion = QStringLiteral("3.02");

QStringList ReadResourceLines(const QString& sName) {
    QFile file(sName);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return SplitTextLines(DecodeText(file.readAll()));
}

QStringList ReadTemplate(const QString& sFileName) {
    return ReadResourceLines(QStringLiteral(":/codegen/") + sFileName);
}

// The runtime sections in file name order, which is the section order.
QStringList ReadLibraryTemplate() {
    const QDir folder(QStringLiteral(":/runtime"));
    QStringList lines;
    for (const QString& sFile : folder.entryList(QDir::Files, QDir::Name)) {
        lines += ReadResourceLines(folder.filePath(sFile));
    }
    return lines;
}

bool IsBlank(QChar c) {
    return c.unicode() <= 32;
}

QString TrimTrailingBlanks(const QString& sText) {
    qsizetype iEnd = sText.size();
    while (iEnd > 0 && IsBlank(sText[iEnd - 1])) {
        --iEnd;
    }
    return sText.left(iEnd);
}

bool IsCommentLine(const QString& sLine) {
    return TrimText(sLine).startsWith(QStringLiteral("//"));
}

QString WithoutControlCharacters(const QString& sLine) {
    QString sResult;
    sResult.reserve(sLine.size());
    for (QChar c : sLine) {
        if (c.unicode() >= 32) {
            sResult.append(c);
        }
    }
    return sResult;
}

} // namespace

TScriptForm::TScriptForm()
    : sVersion(QString::fromLatin1(BrisolaVersion::aEntries[2].sValue)), SourceScriptFile(ReadLibraryTemplate()),
      LibraryFileHeaderMemo(ReadTemplate(QStringLiteral("LibraryFileHeader.txt"))),
      WriteDetectScriptMemo(ReadTemplate(QStringLiteral("WriteDetectScript.txt"))),
      PreviewHTMLDefaultMemo(ReadTemplate(QStringLiteral("PreviewHTMLDefault.html"))),
      InternalHTMLMemo(ReadTemplate(QStringLiteral("InternalHTML.html"))),
      ZEPModalInternalHTMLMemo(ReadTemplate(QStringLiteral("ZEPModalInternalHTML.html"))),
      ZEPMaskCSSMemo(ReadTemplate(QStringLiteral("ZEPMask.css"))), ZEPMaskImage(BuildMaskImage()),
      HelpTitleMemo(ReadTemplate(QStringLiteral("HelpTitles.txt"))),
      HelpLinesMemo(ReadTemplate(QStringLiteral("HelpLines.txt"))) {}

void TScriptForm::InitialiseScript() {
    ScriptList = SourceScriptFile;
}

QStringList TScriptForm::GetSection(const QString& sName) const {
    const QString sMarker = sSectionMarker + TrimText(sName);
    qsizetype iLine = 0;
    while (iLine < ScriptList.size() && ScriptList[iLine].compare(sMarker, Qt::CaseInsensitive) != 0) {
        ++iLine;
    }
    QStringList section;
    if (iLine >= ScriptList.size() || iLine == 0) {
        return section;
    }
    // Walk upwards from the marker to the line after the previous marker; the
    // template's first line is never part of a section.
    for (;;) {
        if (!IsCommentLine(ScriptList[iLine])) {
            section.prepend(ScriptList[iLine]);
        }
        --iLine;
        if (iLine == 0 || ScriptList[iLine].left(15).toUpper() == sSectionMarker.toUpper()) {
            break;
        }
    }
    return section;
}

QString TScriptForm::GetSectionCode(const QString& sName) const {
    QString sCode;
    for (const QString& sLine : GetSection(sName)) {
        const QString sTrimmed = TrimTrailingBlanks(sLine);
        if (TrimText(sTrimmed).isEmpty() || IsCommentLine(sTrimmed)) {
            continue;
        }
        sCode += WithoutControlCharacters(sTrimmed);
    }
    return sCode;
}

QStringList TScriptForm::GetListWithScriptHeader() const {
    QStringList lines;
    lines << QStringLiteral("//****** Brisola Version ") + sVersion + QStringLiteral(" Script Version ") +
                 sScriptVersion + QStringLiteral(" ******");
    lines += LibraryFileHeaderMemo;
    return lines;
}

QString TScriptForm::ContextHelpString(const QString& sTitle) const {
    const QString sWanted = TrimText(sTitle);
    for (qsizetype i = 0; i < HelpTitleMemo.size(); ++i) {
        if (HelpTitleMemo[i].compare(sWanted, Qt::CaseInsensitive) == 0) {
            return i < HelpLinesMemo.size() ? HelpLinesMemo[i] : QString();
        }
    }
    return {};
}
