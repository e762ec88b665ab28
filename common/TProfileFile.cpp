#include "TProfileFile.h"

#include "TextFile.h"

#include <QFileInfo>

TProfileFile::TProfileFile(const QString& sFileName) {
    Open(sFileName);
}

bool TProfileFile::Open(const QString& sFileName) {
    this->sFileName = sFileName;
    sLastError.clear();
    bModified = false;
    if (!QFileInfo::exists(sFileName)) {
        LoadFromText(QString());
        return true;
    }
    QString sText;
    QString sReason;
    if (!ReadTextFile(sFileName, sText, &sReason)) {
        LoadFromText(QString());
        sLastError = "Unable to read <" + sFileName + ">" + ReasonSuffix(sReason);
        return false;
    }
    LoadFromText(sText);
    return true;
}

void TProfileFile::LoadFromText(const QString& sText) {
    Preamble.clear();
    Sections.clear();
    SectionIndex.clear();
    bModified = false;
    const QStringList lines = SplitTextLines(sText);
    TSection* current = nullptr;
    for (const QString& sLine : lines) {
        const QString sTrimmed = sLine.trimmed();
        if (sTrimmed.startsWith('[')) {
            const qsizetype iClose = sTrimmed.indexOf(']');
            const QString sName = sTrimmed.mid(1, iClose < 0 ? -1 : iClose - 1).trimmed();
            current = &AddSection(sName, sLine);
            continue;
        }
        TEntry entry{sLine, QString(), QString()};
        const qsizetype iEquals = sLine.indexOf('=');
        if (iEquals > 0 && !sTrimmed.startsWith(';')) {
            entry.sKey = sLine.left(iEquals).trimmed();
            entry.sValue = sLine.mid(iEquals + 1);
        }
        if (current) {
            AddEntry(*current, std::move(entry));
        } else {
            Preamble.append(sLine);
        }
    }
}

TProfileFile::TSection& TProfileFile::AddSection(const QString& sName, const QString& sHeaderLine) {
    Sections.push_back(TSection{sHeaderLine, sName, {}, {}, {}});
    const QString sFolded = Fold(sName);
    if (!SectionIndex.contains(sFolded)) {
        SectionIndex.insert(sFolded, int(Sections.size() - 1));
    }
    return Sections.back();
}

void TProfileFile::AddEntry(TSection& section, TEntry entry) {
    if (!entry.sKey.isEmpty()) {
        const QString sFolded = Fold(entry.sKey);
        if (!section.KeyIndex.contains(sFolded)) {
            section.KeyIndex.insert(sFolded, int(section.Entries.size()));
        }
    }
    section.Entries.push_back(std::move(entry));
}

const TProfileFile::TSection* TProfileFile::FindSection(const QString& sSection) const {
    const auto it = SectionIndex.constFind(Fold(sSection));
    return it == SectionIndex.constEnd() ? nullptr : &Sections[size_t(*it)];
}

TProfileFile::TSection* TProfileFile::FindSection(const QString& sSection) {
    const auto it = SectionIndex.constFind(Fold(sSection));
    return it == SectionIndex.constEnd() ? nullptr : &Sections[size_t(*it)];
}

const TProfileFile::TEntry* TProfileFile::FindEntry(const QString& sSection, const QString& sKey) const {
    const TSection* section = FindSection(sSection);
    if (!section) {
        return nullptr;
    }
    const auto it = section->KeyIndex.constFind(Fold(sKey));
    return it == section->KeyIndex.constEnd() ? nullptr : &section->Entries[size_t(*it)];
}

bool TProfileFile::SectionExists(const QString& sSection) const {
    return FindSection(sSection) != nullptr;
}

bool TProfileFile::ValueExists(const QString& sSection, const QString& sKey) const {
    return FindEntry(sSection, sKey) != nullptr;
}

QStringList TProfileFile::ReadSection(const QString& sSection) const {
    QStringList keys;
    if (const TSection* section = FindSection(sSection)) {
        for (const TEntry& entry : section->Entries) {
            if (!entry.sKey.isEmpty()) {
                keys.append(entry.sKey);
            }
        }
    }
    return keys;
}

QStringList TProfileFile::ReadSectionValues(const QString& sSection) const {
    QStringList lines;
    if (const TSection* section = FindSection(sSection)) {
        for (const TEntry& entry : section->Entries) {
            if (!entry.sKey.isEmpty()) {
                lines.append(entry.sKey + '=' + CleanValue(entry.sValue));
            }
        }
    }
    return lines;
}

QStringList TProfileFile::SectionNames() const {
    QStringList names;
    for (const TSection& section : Sections) {
        names.append(section.sName);
    }
    return names;
}

QString TProfileFile::CleanValue(const QString& sRaw) {
    QString sValue = sRaw.trimmed();
    if (sValue.size() >= 2) {
        const QChar first = sValue.front();
        if ((first == '"' || first == '\'') && sValue.back() == first) {
            sValue = sValue.mid(1, sValue.size() - 2);
        }
    }
    return sValue.left(iMaxValueLength);
}

QString TProfileFile::ReadString(const QString& sSection, const QString& sKey, const QString& sDefault) const {
    const TEntry* entry = FindEntry(sSection, sKey);
    return entry ? CleanValue(entry->sValue) : sDefault;
}

bool TProfileFile::ParseInteger(const QString& sText, int& iValue) {
    const QString sValue = sText.trimmed();
    bool bOk = false;
    qlonglong iResult = 0;
    if (sValue.startsWith('$')) {
        const QString sDigits = sValue.mid(1);
        iResult =
            sDigits.isEmpty() || sDigits.front() == '-' || sDigits.front() == '+' ? 0 : sDigits.toLongLong(&bOk, 16);
        // Hexadecimal values are 32-bit patterns: $FFFFFFFF is -1.
        if (bOk && iResult <= 0xFFFFFFFFLL) {
            iValue = int(quint32(iResult));
            return true;
        }
        return false;
    }
    bool bNegative = false;
    QString sBody = sValue;
    if (sBody.startsWith('-') || sBody.startsWith('+')) {
        bNegative = sBody.front() == '-';
        sBody = sBody.mid(1);
    }
    if (sBody.startsWith("0x", Qt::CaseInsensitive)) {
        const QString sDigits = sBody.mid(2);
        if (sDigits.isEmpty() || sDigits.front() == '-' || sDigits.front() == '+') {
            return false;
        }
        iResult = sDigits.toLongLong(&bOk, 16);
        if (!bOk || iResult > 0xFFFFFFFFLL) {
            return false;
        }
        iValue = int(quint32(iResult));
        if (bNegative) {
            iValue = int(0u - quint32(iValue));
        }
        return true;
    }
    if (sBody.isEmpty() || !sBody.front().isDigit()) {
        return false;
    }
    iResult = sBody.toLongLong(&bOk, 10);
    if (!bOk) {
        return false;
    }
    if (bNegative) {
        iResult = -iResult;
    }
    if (iResult < INT_MIN || iResult > INT_MAX) {
        return false;
    }
    iValue = int(iResult);
    return true;
}

int TProfileFile::ReadInteger(const QString& sSection, const QString& sKey, int iDefault) const {
    const TEntry* entry = FindEntry(sSection, sKey);
    int iValue = 0;
    return entry && ParseInteger(CleanValue(entry->sValue), iValue) ? iValue : iDefault;
}

bool TProfileFile::ReadBool(const QString& sSection, const QString& sKey, bool bDefault) const {
    return ReadInteger(sSection, sKey, bDefault ? 1 : 0) != 0;
}

void TProfileFile::WriteString(const QString& sSection, const QString& sKey, const QString& sValue) {
    // Line breaks would split the value over several lines and corrupt the file.
    QString sClean = sValue;
    sClean.replace('\r', ' ').replace('\n', ' ');
    TSection* section = FindSection(sSection);
    if (!section) {
        section = &AddSection(sSection, '[' + sSection + ']');
    }
    const QString sFolded = Fold(sKey);
    const auto it = section->KeyIndex.constFind(sFolded);
    if (it != section->KeyIndex.constEnd()) {
        TEntry& entry = section->Entries[size_t(*it)];
        if (entry.sValue == sClean) {
            return;
        }
        entry.sValue = sClean;
        entry.sRawLine = entry.sKey + '=' + sClean;
        bModified = true;
        return;
    }
    SetAsideTrailingBlankLines(*section);
    section->KeyIndex.insert(sFolded, int(section->Entries.size()));
    section->Entries.push_back(TEntry{sKey + '=' + sClean, sKey, sClean});
    bModified = true;
}

void TProfileFile::SetAsideTrailingBlankLines(TSection& section) {
    auto firstBlank = section.Entries.end();
    while (firstBlank != section.Entries.begin() && (firstBlank - 1)->sRawLine.trimmed().isEmpty()) {
        --firstBlank;
    }
    if (firstBlank == section.Entries.end()) {
        return;
    }
    QStringList blankLines;
    for (auto it = firstBlank; it != section.Entries.end(); ++it) {
        blankLines.append(it->sRawLine);
    }
    section.TrailingBlankLines = blankLines + section.TrailingBlankLines;
    section.Entries.erase(firstBlank, section.Entries.end());
}

void TProfileFile::WriteInteger(const QString& sSection, const QString& sKey, int iValue) {
    WriteString(sSection, sKey, QString::number(iValue));
}

void TProfileFile::WriteBool(const QString& sSection, const QString& sKey, bool bValue) {
    WriteString(sSection, sKey, bValue ? "1" : "0");
}

void TProfileFile::EraseSection(const QString& sSection) {
    const QString sFolded = Fold(sSection);
    std::vector<TSection> kept;
    for (TSection& section : Sections) {
        if (Fold(section.sName) != sFolded) {
            kept.push_back(std::move(section));
        } else {
            bModified = true;
        }
    }
    Sections = std::move(kept);
    RebuildSectionIndex();
}

void TProfileFile::RebuildSectionIndex() {
    SectionIndex.clear();
    for (size_t i = 0; i < Sections.size(); ++i) {
        const QString sName = Fold(Sections[i].sName);
        if (!SectionIndex.contains(sName)) {
            SectionIndex.insert(sName, int(i));
        }
    }
}

QString TProfileFile::ToText() const {
    QString sText;
    const auto appendLine = [&sText](const QString& sLine) {
        sText += sLine;
        sText += QStringLiteral("\r\n");
    };
    for (const QString& sLine : Preamble) {
        appendLine(sLine);
    }
    for (const TSection& section : Sections) {
        appendLine(section.sHeaderLine);
        for (const TEntry& entry : section.Entries) {
            appendLine(entry.sRawLine);
        }
        for (const QString& sLine : section.TrailingBlankLines) {
            appendLine(sLine);
        }
    }
    return sText;
}

bool TProfileFile::UpdateFile() {
    sLastError.clear();
    if (!bModified && QFileInfo::exists(sFileName)) {
        return true;
    }
    if (sFileName.isEmpty() || !WriteTextFileWhole(sFileName, ToText())) {
        sLastError = "Unable to write to " + sFileName;
        return false;
    }
    bModified = false;
    return true;
}
