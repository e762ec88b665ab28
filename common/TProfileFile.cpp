#include "TProfileFile.h"

#include "TextFile.h"

#include <QFileInfo>

#include <type_traits>

TProfileFile::TName::TName(QAnyStringView sName) {
    sName.visit([this](auto sText) {
        if constexpr (std::is_same_v<decltype(sText), QStringView>) {
            sView = sText;
        } else {
            // Latin-1 widens unit by unit, and so does UTF-8 while it is ASCII.
            const auto* pBytes = reinterpret_cast<const uchar*>(sText.data());
            const qsizetype iSize = sText.size();
            constexpr bool bLatin1 = std::is_same_v<decltype(sText), QLatin1String>;
            Buffer.resize(iSize);
            uchar iAllBits = 0;
            for (qsizetype i = 0; i < iSize; ++i) {
                Buffer[i] = pBytes[i];
                iAllBits |= pBytes[i];
            }
            sView = QStringView(Buffer.data(), iSize);
            if (!bLatin1 && iAllBits >= 0x80) {
                sCopy = sText.toString();
                sView = sCopy;
            }
        }
    });
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
    OwnTexts.clear();
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
    const auto offsetOf = [sLine](QStringView sPart) { return int(sPart.data() - sLine.data()); };
    TLine line;
    line.sText = sLine;
    const QStringView sTrimmed = sLine.trimmed();
    if (sTrimmed.startsWith(u'[')) {
        const qsizetype iClose = sTrimmed.indexOf(u']');
        const QStringView sName = sTrimmed.mid(1, iClose < 0 ? -1 : iClose - 1).trimmed();
        line.iNameStart = offsetOf(sName);
        line.iNameLength = int(sName.size());
        current = &AddSection(line);
        return;
    }
    const qsizetype iEquals = sLine.indexOf(u'=');
    if (iEquals > 0 && !sTrimmed.startsWith(u';')) {
        const QStringView sKey = sLine.left(iEquals).trimmed();
        line.iNameStart = offsetOf(sKey);
        line.iNameLength = int(sKey.size());
        line.iValueStart = int(iEquals + 1);
    }
    if (current) {
        AddEntry(*current, line);
    } else {
        Preamble.push_back(line);
    }
}

TProfileFile::TSection& TProfileFile::AddSection(TLine header) {
    Sections.push_back(TSection{header, {}, {}, {}});
    TLine& added = Sections.back().Header;
    const auto nameAt = [this](int i) { return Sections[size_t(i)].Name(); };
    added.bIndexed = SectionIndex.Add(added.Name(), int(Sections.size() - 1), nameAt);
    return Sections.back();
}

void TProfileFile::SetOwnText(TLine& line, QString sText, int iNameStart, int iNameLength) {
    if (line.iOwnText < 0) {
        line.iOwnText = int(OwnTexts.size());
        OwnTexts.push_back(std::move(sText));
    } else {
        OwnTexts[size_t(line.iOwnText)] = std::move(sText);
    }
    line.sText = OwnTexts[size_t(line.iOwnText)];
    line.iNameStart = iNameStart;
    line.iNameLength = iNameLength;
    line.iValueStart = iNameStart + iNameLength + 1;
}

void TProfileFile::AddEntry(TSection& section, TLine entry) {
    section.Entries.push_back(entry);
    TLine& added = section.Entries.back();
    if (added.iNameLength > 0) {
        const auto nameAt = [&section](int i) { return section.Entries[size_t(i)].Name(); };
        added.bIndexed = section.KeyIndex.Add(added.Name(), int(section.Entries.size() - 1), nameAt);
    }
}

int TProfileFile::TSection::FindKey(QStringView sKey) const {
    int iIndex = -1;
    if (size_t(iNextKey) < Entries.size()) {
        if (Entries[size_t(iNextKey)].IsFirstNamed(sKey)) {
            iIndex = iNextKey;
        }
    }
    if (iIndex < 0) {
        iIndex = KeyIndex.Find(sKey, [this](int i) { return Entries[size_t(i)].Name(); });
    }
    if (iIndex >= 0) {
        iNextKey = iIndex + 1;
    }
    return iIndex;
}

int TProfileFile::SectionPosition(QStringView sSection) const {
    // Keys are read and written section by section, in file order: the
    // section found last is most often the one asked for again, else the
    // section after it.
    if (iLastSection >= 0) {
        const TSection& last = Sections[size_t(iLastSection)];
        if (last.Name() == sSection) {
            return iLastSection;
        }
        const size_t iNext = size_t(iLastSection) + 1;
        if (iNext < Sections.size() && Sections[iNext].Header.IsFirstNamed(sSection)) {
            iLastSection = int(iNext);
            return iLastSection;
        }
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

bool TProfileFile::SectionExists(QAnyStringView sSection) const {
    return FindSection(TName(sSection).View()) != nullptr;
}

bool TProfileFile::ValueExists(QAnyStringView sSection, QAnyStringView sKey) const {
    return FindEntry(TName(sSection).View(), TName(sKey).View()) != nullptr;
}

QStringList TProfileFile::ReadSection(QAnyStringView sSection) const {
    QStringList keys;
    if (const TSection* section = FindSection(TName(sSection).View())) {
        for (const TLine& entry : section->Entries) {
            if (entry.iNameLength > 0) {
                keys.append(entry.Name().toString());
            }
        }
    }
    return keys;
}

QStringList TProfileFile::ReadSectionValues(QAnyStringView sSection) const {
    QStringList lines;
    if (const TSection* section = FindSection(TName(sSection).View())) {
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

QString TProfileFile::ReadString(QAnyStringView sSection, QAnyStringView sKey, const QString& sDefault) const {
    const TLine* entry = FindEntry(TName(sSection).View(), TName(sKey).View());
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

int TProfileFile::ReadInteger(QAnyStringView sSection, QAnyStringView sKey, int iDefault) const {
    const TLine* entry = FindEntry(TName(sSection).View(), TName(sKey).View());
    int iValue = 0;
    return entry && ParseInteger(CleanValue(entry->RawValue()), iValue) ? iValue : iDefault;
}

bool TProfileFile::ReadBool(QAnyStringView sSection, QAnyStringView sKey, bool bDefault) const {
    return ReadInteger(sSection, sKey, bDefault ? 1 : 0) != 0;
}

void TProfileFile::WriteString(QAnyStringView sSection, QAnyStringView sKey, const QString& sValue) {
    // Line breaks would split the value over several lines and corrupt the file.
    QString sClean = sValue;
    sClean.replace('\r', ' ').replace('\n', ' ');
    const TName sectionName(sSection);
    const QStringView sSectionName = sectionName.View();
    TSection* section = FindSection(sSectionName);
    if (!section) {
        TLine header;
        SetOwnText(header, u'[' + sSectionName.toString() + u']', 1, int(sSectionName.size()));
        section = &AddSection(header);
    }
    const TName keyName(sKey);
    const QStringView sKeyName = keyName.View();
    const int iIndex = section->FindKey(sKeyName);
    if (iIndex >= 0) {
        TLine& entry = section->Entries[size_t(iIndex)];
        if (entry.RawValue() == sClean) {
            return;
        }
        // The key keeps its spelling; the index still finds it under its hash.
        const QStringView sKeyAsWritten = entry.Name();
        SetOwnText(entry, sKeyAsWritten.toString() + u'=' + sClean, 0, int(sKeyAsWritten.size()));
        bModified = true;
        return;
    }
    SetAsideTrailingBlankLines(*section);
    TLine added;
    SetOwnText(added, sKeyName.toString() + u'=' + sClean, 0, int(sKeyName.size()));
    AddEntry(*section, added);
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
    section.TrailingBlankLines.insert(section.TrailingBlankLines.begin(), firstBlank, section.Entries.end());
    section.Entries.erase(firstBlank, section.Entries.end());
}

void TProfileFile::WriteInteger(QAnyStringView sSection, QAnyStringView sKey, int iValue) {
    WriteString(sSection, sKey, QString::number(iValue));
}

void TProfileFile::WriteBool(QAnyStringView sSection, QAnyStringView sKey, bool bValue) {
    WriteString(sSection, sKey, bValue ? "1" : "0");
}

void TProfileFile::EraseSection(QAnyStringView sSection) {
    const qsizetype iBefore = qsizetype(Sections.size());
    const TName name(sSection);
    const QStringView sName = name.View().trimmed();
    std::erase_if(Sections,
                  [sName](const TSection& section) { return TNameIndex::FoldedEqual(section.Name(), sName); });
    bModified = bModified || qsizetype(Sections.size()) != iBefore;
    RebuildSectionIndex();
}

void TProfileFile::RebuildSectionIndex() {
    SectionIndex.Clear();
    iLastSection = -1;
    const auto nameAt = [this](int i) { return Sections[size_t(i)].Name(); };
    for (size_t i = 0; i < Sections.size(); ++i) {
        Sections[i].Header.bIndexed = SectionIndex.Add(Sections[i].Name(), int(i), nameAt);
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
