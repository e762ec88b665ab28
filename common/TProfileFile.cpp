#include "TProfileFile.h"

#include "TextFile.h"

#include <QFileInfo>

TProfileFile::TLine TProfileFile::TLine::Own(QString sText, qsizetype iNameStart, qsizetype iNameLength) {
    TLine line;
    line.sOwnText = std::move(sText);
    line.sText = line.sOwnText;
    line.iNameStart = iNameStart;
    line.iNameLength = iNameLength;
    line.iValueStart = iNameStart + iNameLength + 1;
    return line;
}

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
    SectionIndex.Clear();
    iLastSection = -1;
    bModified = false;
    // The lines view the text, so it is kept as long as they are.
    sSourceText = sText;
    TSection* current = nullptr;
    ForEachTextLine(sSourceText, [this, &current](QStringView sLine) { ParseLine(sLine, current); });
}

void TProfileFile::ParseLine(QStringView sLine, TSection*& current) {
    const auto offsetOf = [sLine](QStringView sPart) { return qsizetype(sPart.data() - sLine.data()); };
    TLine line;
    line.sText = sLine;
    const QStringView sTrimmed = sLine.trimmed();
    if (sTrimmed.startsWith(u'[')) {
        const qsizetype iClose = sTrimmed.indexOf(u']');
        const QStringView sName = sTrimmed.mid(1, iClose < 0 ? -1 : iClose - 1).trimmed();
        line.iNameStart = offsetOf(sName);
        line.iNameLength = sName.size();
        current = &AddSection(std::move(line));
        return;
    }
    const qsizetype iEquals = sLine.indexOf(u'=');
    if (iEquals > 0 && !sTrimmed.startsWith(u';')) {
        const QStringView sKey = sLine.left(iEquals).trimmed();
        line.iNameStart = offsetOf(sKey);
        line.iNameLength = sKey.size();
        line.iValueStart = iEquals + 1;
    }
    if (current) {
        AddEntry(*current, std::move(line));
    } else {
        Preamble.push_back(std::move(line));
    }
}

TProfileFile::TSection& TProfileFile::AddSection(TLine header) {
    Sections.push_back(TSection{std::move(header), {}, {}, {}});
    const auto nameAt = [this](int i) { return Sections[size_t(i)].Name(); };
    SectionIndex.Add(Sections.back().Name(), int(Sections.size() - 1), nameAt);
    return Sections.back();
}

void TProfileFile::AddEntry(TSection& section, TLine entry) {
    section.Entries.push_back(std::move(entry));
    const TLine& added = section.Entries.back();
    if (added.iNameLength > 0) {
        const auto nameAt = [&section](int i) { return section.Entries[size_t(i)].Name(); };
        section.KeyIndex.Add(added.Name(), int(section.Entries.size() - 1), nameAt);
    }
}

int TProfileFile::TSection::FindKey(QStringView sKey) const {
    return KeyIndex.Find(sKey, [this](int i) { return Entries[size_t(i)].Name(); });
}

int TProfileFile::SectionPosition(QStringView sSection) const {
    // Keys are read and written section by section: the section found last
    // is most often the one asked for again.
    if (iLastSection >= 0 && Sections[size_t(iLastSection)].Name() == sSection) {
        return iLastSection;
    }
    const int iPosition = SectionIndex.Find(sSection, [this](int i) { return Sections[size_t(i)].Name(); });
    if (iPosition >= 0) {
        iLastSection = iPosition;
    }
    return iPosition;
}

const TProfileFile::TSection* TProfileFile::FindSection(QStringView sSection) const {
    const int iPosition = SectionPosition(sSection);
    return iPosition < 0 ? nullptr : &Sections[size_t(iPosition)];
}

TProfileFile::TSection* TProfileFile::FindSection(QStringView sSection) {
    const int iPosition = SectionPosition(sSection);
    return iPosition < 0 ? nullptr : &Sections[size_t(iPosition)];
}

const TProfileFile::TLine* TProfileFile::FindEntry(QStringView sSection, QStringView sKey) const {
    const TSection* section = FindSection(sSection);
    if (!section) {
        return nullptr;
    }
    const int iIndex = section->FindKey(sKey);
    return iIndex < 0 ? nullptr : &section->Entries[size_t(iIndex)];
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
        for (const TLine& entry : section->Entries) {
            if (entry.iNameLength > 0) {
                keys.append(entry.Name().toString());
            }
        }
    }
    return keys;
}

QStringList TProfileFile::ReadSectionValues(const QString& sSection) const {
    QStringList lines;
    if (const TSection* section = FindSection(sSection)) {
        for (const TLine& entry : section->Entries) {
            if (entry.iNameLength > 0) {
                QString sLine = entry.Name().toString();
                sLine += u'=';
                sLine += CleanValue(entry.RawValue());
                lines.append(sLine);
            }
        }
    }
    return lines;
}

QStringList TProfileFile::SectionNames() const {
    QStringList names;
    for (const TSection& section : Sections) {
        names.append(section.Name().toString());
    }
    return names;
}

QString TProfileFile::ReadString(const QString& sSection, const QString& sKey, const QString& sDefault) const {
    const TLine* entry = FindEntry(sSection, sKey);
    return entry ? CleanValue(entry->RawValue()).toString() : sDefault;
}

QStringView TProfileFile::CleanValue(QStringView sRaw) {
    QStringView sValue = sRaw.trimmed();
    if (sValue.size() >= 2) {
        const QChar first = sValue.front();
        if ((first == u'"' || first == u'\'') && sValue.back() == first) {
            sValue = sValue.mid(1, sValue.size() - 2);
        }
    }
    return sValue.left(iMaxValueLength);
}

namespace {

// The value of a hexadecimal digit in either case, or -1.
int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    return c >= u'A' && c <= u'F' ? c - u'A' + 10 : -1;
}

// Reads unsigned digits of the base (10 or 16), at least one, up to iLimit.
bool ReadDigits(QStringView sDigits, int iBase, quint64 iLimit, quint64& iResult) {
    if (sDigits.isEmpty()) {
        return false;
    }
    iResult = 0;
    for (const QChar c : sDigits) {
        const int iDigit = DigitValue(c.unicode());
        if (iDigit < 0 || iDigit >= iBase) {
            return false;
        }
        iResult = iResult * quint64(iBase) + quint64(iDigit);
        if (iResult > iLimit) {
            return false;
        }
    }
    return true;
}

} // namespace

bool TProfileFile::ParseInteger(QStringView sText, int& iValue) {
    QStringView sValue = sText.trimmed();
    quint64 iResult = 0;
    // Hexadecimal values are 32-bit patterns: $FFFFFFFF is -1.
    if (sValue.startsWith(u'$')) {
        if (!ReadDigits(sValue.mid(1), 16, 0xFFFFFFFFu, iResult)) {
            return false;
        }
        iValue = int(quint32(iResult));
        return true;
    }
    const bool bNegative = sValue.startsWith(u'-');
    if (bNegative || sValue.startsWith(u'+')) {
        sValue = sValue.mid(1);
    }
    if (sValue.size() >= 2 && sValue[0] == u'0' && (sValue[1] == u'x' || sValue[1] == u'X')) {
        if (!ReadDigits(sValue.mid(2), 16, 0xFFFFFFFFu, iResult)) {
            return false;
        }
        iValue = int(bNegative ? 0u - quint32(iResult) : quint32(iResult));
        return true;
    }
    const quint64 iLimit = bNegative ? quint64(INT_MAX) + 1 : quint64(INT_MAX);
    if (!ReadDigits(sValue, 10, iLimit, iResult)) {
        return false;
    }
    iValue = bNegative ? int(-qint64(iResult)) : int(iResult);
    return true;
}

int TProfileFile::ReadInteger(const QString& sSection, const QString& sKey, int iDefault) const {
    const TLine* entry = FindEntry(sSection, sKey);
    int iValue = 0;
    return entry && ParseInteger(CleanValue(entry->RawValue()), iValue) ? iValue : iDefault;
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
        section = &AddSection(TLine::Own('[' + sSection + ']', 1, sSection.size()));
    }
    const int iIndex = section->FindKey(sKey);
    if (iIndex >= 0) {
        TLine& entry = section->Entries[size_t(iIndex)];
        if (entry.RawValue() == sClean) {
            return;
        }
        // The key keeps its spelling; the index still finds it under its hash.
        const QStringView sKeyAsWritten = entry.Name();
        entry = TLine::Own(sKeyAsWritten.toString() + '=' + sClean, 0, sKeyAsWritten.size());
        bModified = true;
        return;
    }
    SetAsideTrailingBlankLines(*section);
    AddEntry(*section, TLine::Own(sKey + '=' + sClean, 0, sKey.size()));
    bModified = true;
}

void TProfileFile::SetAsideTrailingBlankLines(TSection& section) {
    auto firstBlank = section.Entries.end();
    while (firstBlank != section.Entries.begin() && (firstBlank - 1)->sText.trimmed().isEmpty()) {
        --firstBlank;
    }
    if (firstBlank == section.Entries.end()) {
        return;
    }
    section.TrailingBlankLines.insert(section.TrailingBlankLines.begin(), std::make_move_iterator(firstBlank),
                                      std::make_move_iterator(section.Entries.end()));
    section.Entries.erase(firstBlank, section.Entries.end());
}

void TProfileFile::WriteInteger(const QString& sSection, const QString& sKey, int iValue) {
    WriteString(sSection, sKey, QString::number(iValue));
}

void TProfileFile::WriteBool(const QString& sSection, const QString& sKey, bool bValue) {
    WriteString(sSection, sKey, bValue ? "1" : "0");
}

void TProfileFile::EraseSection(const QString& sSection) {
    const qsizetype iBefore = qsizetype(Sections.size());
    std::erase_if(Sections, [&sSection](const TSection& section) {
        return TNameIndex::FoldedEqual(section.Name(), QStringView(sSection).trimmed());
    });
    bModified = bModified || qsizetype(Sections.size()) != iBefore;
    RebuildSectionIndex();
}

void TProfileFile::RebuildSectionIndex() {
    SectionIndex.Clear();
    iLastSection = -1;
    const auto nameAt = [this](int i) { return Sections[size_t(i)].Name(); };
    for (size_t i = 0; i < Sections.size(); ++i) {
        SectionIndex.Add(Sections[i].Name(), int(i), nameAt);
    }
}

QString TProfileFile::ToText() const {
    QString sText;
    const auto appendLine = [&sText](const TLine& line) {
        sText += line.sText;
        sText += QLatin1String("\r\n");
    };
    const auto appendLines = [&appendLine](const std::vector<TLine>& lines) {
        for (const TLine& line : lines) {
            appendLine(line);
        }
    };
    sText.reserve(sSourceText.size() + sSourceText.size() / 8 + 1024);
    appendLines(Preamble);
    for (const TSection& section : Sections) {
        appendLine(section.Header);
        appendLines(section.Entries);
        appendLines(section.TrailingBlankLines);
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
