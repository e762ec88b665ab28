#include "TContentList.h"

#include "ScriptString.h"
#include "StringUtils.h"
#include "TProfileFile.h"
#include "TZEPInstance.h"
#include "TextFile.h"

#include <QFileInfo>

#include <algorithm>

namespace {

bool IsDecimal(QStringView sText) {
    return std::all_of(sText.begin(), sText.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

// True when the literal is a double-quoted string written exactly as
// QuoteScriptString writes its value, so reading and quoting it again would
// give it back unchanged. Saved content files hold nothing else, so a load
// keeps their strings as they stand instead of reading each one.
bool IsQuotedAsWritten(QStringView sLiteral) {
    if (sLiteral.size() < 2 || sLiteral.front() != u'"' || sLiteral.back() != u'"') {
        return false;
    }
    const QStringView sBody = sLiteral.sliced(1, sLiteral.size() - 2);
    for (qsizetype i = 0; i < sBody.size(); ++i) {
        switch (sBody[i].unicode()) {
        case u'"':
        case u'\r':
        case u'\n':
        case 0x2028:
        case 0x2029:
            return false;
        case u'\\': {
            const QStringView sEscape = sBody.sliced(i + 1);
            if (sEscape.startsWith(u"u2028") || sEscape.startsWith(u"u2029")) {
                i += 5;
            } else if (!sEscape.isEmpty() && QStringView(u"\\\"rn").contains(sEscape.front())) {
                ++i;
            } else {
                return false;
            }
            break;
        }
        default:
            break;
        }
    }
    return true;
}

} // namespace

// ---------------------------------------------------------------------------
// TContentItem

namespace {

// The keys of one item: its index, a field name and its number. The name is
// built in one buffer that each key reuses.
class TItemKey {
public:
    explicit TItemKey(const TContentItem& item) : sNumber(QString::number(item.iLID)) {
        sKey.reserve(item.sIndex.size() + 32);
        sKey += item.sIndex;
        iStemLength = sKey.size();
    }
    const QString& For(QLatin1String sField) {
        sKey.truncate(iStemLength);
        sKey += sField;
        sKey += sNumber;
        return sKey;
    }

private:
    QString sNumber;
    QString sKey;
    qsizetype iStemLength = 0;
};

} // namespace

void TContentItem::LoadAPIItem(const TProfileFile& fIniFile, const QString& sSection) {
    TItemKey key(*this);
    if (iLID != 0) {
        iAPIHeight = fIniFile.ReadInteger(sSection, key.For(QLatin1String("Height")), 0);
        iAPIWidth = fIniFile.ReadInteger(sSection, key.For(QLatin1String("Width")), 0);
        iAPITop = fIniFile.ReadInteger(sSection, key.For(QLatin1String("Top")), 0);
        iAPILeft = fIniFile.ReadInteger(sSection, key.For(QLatin1String("Left")), 0);
        APILocation = CLocation(quint8(fIniFile.ReadInteger(sSection, key.For(QLatin1String("Location")), ltTopLeft)));
        bAPIRelativePositioning =
            fIniFile.ReadBool(sSection, key.For(QLatin1String("RelativePositioning")), false) ? 1 : 0;
    }
    sAPISpecificLinkText = fIniFile.ReadString(sSection, key.For(QLatin1String("SpecificLinkText")), sDefaultLinkText);
}

void TContentItem::SaveAPIItem(TProfileFile& fIniFile, const QString& sSection) const {
    TItemKey key(*this);
    if (iLID != 0) {
        fIniFile.WriteInteger(sSection, key.For(QLatin1String("Height")), iAPIHeight);
        fIniFile.WriteInteger(sSection, key.For(QLatin1String("Width")), iAPIWidth);
        fIniFile.WriteInteger(sSection, key.For(QLatin1String("Top")), iAPITop);
        fIniFile.WriteInteger(sSection, key.For(QLatin1String("Left")), iAPILeft);
        fIniFile.WriteInteger(sSection, key.For(QLatin1String("Location")), APILocation);
        fIniFile.WriteInteger(sSection, key.For(QLatin1String("RelativePositioning")), bAPIRelativePositioning);
    }
    fIniFile.WriteString(sSection, key.For(QLatin1String("SpecificLinkText")), sAPISpecificLinkText);
}

// ---------------------------------------------------------------------------
// TContentFile

bool TContentFile::Load(const QString& sFile) {
    sLastError.clear();
    QStringList lines;
    QString sReason;
    if (QFileInfo::exists(sFile) && !ReadTextLines(sFile, lines, &sReason)) {
        LoadFromLines({});
        sLastError = "Error loading content file <" + sFile + ">" + ReasonSuffix(sReason);
        return false;
    }
    LoadFromLines(lines);
    return true;
}

void TContentFile::LoadFromLines(const QStringList& lines) {
    Lines.clear();
    SortedKeys.clear();
    for (const QString& sRawLine : lines) {
        const QString sLine = TrimText(sRawLine);
        const qsizetype iEquals = sLine.indexOf('=');
        if (iEquals < 0) {
            continue;
        }
        Lines.push_back(TLine{TrimText(sLine.left(iEquals)), TrimText(sLine.mid(iEquals + 1)), sLine});
        SortedKeys.emplace_back(Lines.back().sKey.toCaseFolded(), int(Lines.size() - 1));
    }
    std::sort(SortedKeys.begin(), SortedKeys.end());
}

void TContentFile::SetProjectIndexes(const QStringList& indexes) {
    ProjectIndexes = QSet<QString>(indexes.begin(), indexes.end());
    FirstSpelling.clear();
    for (const QString& sIndex : indexes) {
        const QString sFolded = sIndex.toCaseFolded();
        if (!FirstSpelling.contains(sFolded)) {
            FirstSpelling.insert(sFolded, sIndex);
        }
    }
}

bool TContentFile::IsOwnedBy(const QString& sKey, const QString& sContentIndex) const {
    const qsizetype n = sContentIndex.size();
    // The rest after the index is decimal digits: a longer index that takes some of them owns the key.
    for (qsizetype p = n + 1; p <= sKey.size(); ++p) {
        if (FirstSpelling.contains(sKey.left(p).toCaseFolded())) {
            return false;
        }
    }
    const QString sPrefix = sKey.left(n);
    if (sPrefix == sContentIndex) {
        return true;
    }
    if (ProjectIndexes.contains(sPrefix)) {
        return false;
    }
    return FirstSpelling.value(sContentIndex.toCaseFolded(), sContentIndex) == sContentIndex;
}

std::vector<const TContentFile::TLine*> TContentFile::LinesFor(const QString& sContentIndex) const {
    const QString sFolded = sContentIndex.toCaseFolded();
    std::vector<int> positions;
    auto it = std::lower_bound(SortedKeys.begin(), SortedKeys.end(), std::make_pair(sFolded, -1));
    for (; it != SortedKeys.end() && it->first.startsWith(sFolded); ++it) {
        const QString& sKey = Lines[size_t(it->second)].sKey;
        if (IsDecimal(QStringView(it->first).mid(sFolded.size())) && IsOwnedBy(sKey, sContentIndex)) {
            positions.push_back(it->second);
        }
    }
    std::sort(positions.begin(), positions.end());
    std::vector<const TLine*> result;
    result.reserve(positions.size());
    QSet<QString> keys;
    for (const int iPosition : positions) {
        const TLine& line = Lines[size_t(iPosition)];
        if (!keys.contains(line.sKey)) {
            keys.insert(line.sKey);
            result.push_back(&line);
        }
    }
    return result;
}

// ---------------------------------------------------------------------------
// TContentList

QStringList TContentList::Lines() const {
    QStringList lines;
    lines.reserve(Count());
    for (const TEntry& entry : Entries) {
        lines.append(entry.sLine);
    }
    return lines;
}

void TContentList::Delete(int iIndex) {
    Entries.erase(Entries.begin() + iIndex);
}

bool TContentList::LoadInstanceContent(const QString& sFile, const QString& sInstanceStem) {
    TContentFile contentFile;
    const bool bOk = contentFile.Load(sFile);
    LoadInstanceContent(contentFile, sInstanceStem);
    return bOk;
}

void TContentList::LoadInstanceContent(const TContentFile& contentFile, const QString& sInstanceStem) {
    Clear();
    for (const TContentFile::TLine* line : contentFile.LinesFor(sInstanceStem)) {
        auto oItem = std::make_unique<TContentItem>();
        oItem->sIndex = line->sKey;
        // The rest is empty or decimal digits; too many digits read as 0.
        oItem->iLID = line->sKey.mid(sInstanceStem.size()).toInt();
        // A string literal is kept as its value, written in the form of every content string; anything else
        // stays as it stands, for the compile to refuse and the designer to mend, so nothing is lost.
        QString sValue;
        oItem->sHTML = IsQuotedAsWritten(line->sHTML) || !ParseScriptString(line->sHTML, sValue)
                           ? line->sHTML
                           : QuoteScriptString(sValue);
        const QString sLine = oItem->sHTML == line->sHTML ? line->sLine : oItem->sIndex + '=' + oItem->sHTML;
        Entries.push_back(TEntry{sLine, std::move(oItem)});
    }
}

TContentList::TContentList(const TContentList& Source) {
    *this = Source;
}

TContentList& TContentList::operator=(const TContentList& Source) {
    if (&Source == this) {
        return *this;
    }
    Entries.clear();
    Entries.reserve(Source.Entries.size());
    for (const TEntry& entry : Source.Entries) {
        Entries.push_back(TEntry{entry.sLine, std::make_unique<TContentItem>(*entry.oItem)});
    }
    return *this;
}

void TContentList::CopyContent(const TContentList& Source) {
    if (&Source == this) {
        return;
    }
    Clear();
    for (const TEntry& entry : Source.Entries) {
        Entries.push_back(TEntry{TrimText(entry.sLine), std::make_unique<TContentItem>(*entry.oItem)});
    }
}

void TContentList::AddContent(const TZEPInstance& oInstance, const QString& sHTML, const QString& sIndexStem, int iID) {
    int iIndex = FindContentIndex(iID);
    if (iIndex < 0) {
        auto oItem = std::make_unique<TContentItem>();
        oItem->iLID = iID;
        if (iID == 0) {
            oItem->sAPISpecificLinkText = oInstance.sImageLink.isEmpty() ? sDefaultLinkText : oInstance.sImageLink;
        }
        Entries.push_back(TEntry{QStringLiteral("New item"), std::move(oItem)});
        iIndex = Count() - 1;
    }
    TEntry& entry = Entries[size_t(iIndex)];
    TContentItem& item = *entry.oItem;
    item.sIndex = TrimText(iID == 0 ? sIndexStem : sIndexStem + QString::number(iID));
    item.sHTML = sHTML;
    item.iAPIHeight = oInstance.iHeight;
    item.iAPIWidth = oInstance.iWidth;
    item.iAPITop = oInstance.iTop;
    item.iAPILeft = oInstance.iLeft;
    item.APILocation = oInstance.Location;
    item.bAPIRelativePositioning = 0;
    entry.sLine = item.sIndex + '=' + TrimText(sHTML);
}

void TContentList::RemoveContent(int iID) {
    std::erase_if(Entries, [iID](const TEntry& entry) { return entry.oItem->iLID == iID; });
}

int TContentList::FindContentIndex(int iID) const {
    for (size_t i = 0; i < Entries.size(); ++i) {
        if (Entries[i].oItem->iLID == iID) {
            return int(i);
        }
    }
    return -1;
}

void TContentList::LoadObjects(const TProfileFile& fIniFile, const QString& sSection) {
    for (TEntry& entry : Entries) {
        entry.oItem->LoadAPIItem(fIniFile, sSection);
    }
}

void TContentList::SaveObjects(TProfileFile& fIniFile, const QString& sSection) const {
    for (const TEntry& entry : Entries) {
        entry.oItem->SaveAPIItem(fIniFile, sSection);
    }
}

int TContentList::GetNextFreeID() const {
    // Sorting the numbers once keeps a list with many layers from a long
    // content file from being searched once per candidate number.
    std::vector<int> ids;
    ids.reserve(Entries.size());
    for (const TEntry& entry : Entries) {
        ids.push_back(entry.oItem->iLID);
    }
    std::sort(ids.begin(), ids.end());
    int iID = 1;
    for (const int iUsed : ids) {
        if (iUsed == iID) {
            ++iID;
        } else if (iUsed > iID) {
            break;
        }
    }
    return iID;
}
