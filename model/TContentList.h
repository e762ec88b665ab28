#pragma once

#include "ZEPTypes.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <utility>
#include <vector>

class TProfileFile;
class TZEPInstance;

// The link text of an item that has none of its own.
inline const QString sDefaultLinkText = QStringLiteral("Add your textual or image link here for ");

// One content item of a popup: item 0 is the popup's own HTML, items 1 and up
// are sequential layers with their own size, place and link text.
class TContentItem {
public:
    int iLID = 0;   // item number
    QString sIndex; // the page-global variable holding the content
    QString sHTML;  // the content as a script string
    int iAPIHeight = 0;
    int iAPIWidth = 0;
    int iAPITop = 0;
    int iAPILeft = 0;
    CLocation APILocation = ltManual;
    quint8 bAPIRelativePositioning = 0;
    QString sAPISpecificLinkText;

    void CopyContentItem(const TContentItem& Source) { *this = Source; }
    // Reads or writes the item's keys in the given "CONTENT" section; the size
    // and place keys exist for items other than 0 only.
    void LoadAPIItem(const TProfileFile& fIniFile, const QString& sSection);
    void SaveAPIItem(TProfileFile& fIniFile, const QString& sSection) const;
};

// The lines of a content file, read once and indexed by key, so that the
// items of every instance are found without scanning the file again.
class TContentFile {
public:
    // One assignment line: "key=string".
    struct TLine {
        QString sKey;  // text before the first "=", trimmed
        QString sHTML; // text after it, trimmed
        QString sLine; // the whole line, trimmed
    };

    // Reads the file; a missing file gives no lines. A file that cannot be
    // read fails with "Error loading content file <" path ">" (and the reason
    // when it is not a regular file or too large) for GetLastError.
    bool Load(const QString& sFile);
    void LoadFromLines(const QStringList& lines);
    QString GetLastError() const { return sLastError; }

    // The content indexes of the project's popups, in project order. Each line
    // then belongs to one popup only: the one with the longest index that the
    // key begins with (followed by decimal digits), so that zep_p10's lines
    // are p10's and never items of p1; of indexes that differ only in letter
    // case, the one spelled as in the key, else the first.
    void SetProjectIndexes(const QStringList& indexes);

    // The lines whose key is the content index followed by nothing or by
    // decimal digits (letter case ignored) and that no other index of the
    // project owns, in file order; of several lines with one key, the first.
    std::vector<const TLine*> LinesFor(const QString& sContentIndex) const;

private:
    bool IsOwnedBy(const QString& sKey, const QString& sContentIndex) const;

    std::vector<TLine> Lines;
    // (folded key, position in Lines), sorted: keys sharing a prefix are adjacent.
    std::vector<std::pair<QString, int>> SortedKeys;
    QSet<QString> ProjectIndexes;
    QHash<QString, QString> FirstSpelling; // folded index -> the project's first index of that spelling
    QString sLastError;
};

// The content items of one popup, each with its content-file line
// ("index=string"), in insertion order. The list owns its items.
class TContentList {
public:
    struct TEntry {
        QString sLine;
        std::unique_ptr<TContentItem> oItem;
    };

    TContentList() = default;
    // Copies are deep and exact: every line and item as it is.
    TContentList(const TContentList& Source);
    TContentList& operator=(const TContentList& Source);
    TContentList(TContentList&&) = default;
    TContentList& operator=(TContentList&&) = default;

    int Count() const { return int(Entries.size()); }
    bool IsEmpty() const { return Entries.empty(); }
    const QString& Line(int iIndex) const { return Entries[size_t(iIndex)].sLine; }
    void SetLine(int iIndex, const QString& sLine) { Entries[size_t(iIndex)].sLine = sLine; }
    TContentItem& Item(int iIndex) { return *Entries[size_t(iIndex)].oItem; }
    const TContentItem& Item(int iIndex) const { return *Entries[size_t(iIndex)].oItem; }
    // Every entry's line, in list order.
    QStringList Lines() const;

    void Clear() { Entries.clear(); }
    void Delete(int iIndex);

    // Replaces the entries by the instance's items found in the content file.
    bool LoadInstanceContent(const QString& sFile, const QString& sInstanceStem);
    void LoadInstanceContent(const TContentFile& contentFile, const QString& sInstanceStem);
    // Makes this list a deep copy of Source.
    void CopyContent(const TContentList& Source);
    // Adds item iID or updates it: content, the instance's size, place and
    // location, relative positioning off.
    void AddContent(const TZEPInstance& oInstance, const QString& sHTML, const QString& sIndexStem, int iID);
    void RemoveContent(int iID);
    // Position of the first entry whose item has that number, or -1.
    int FindContentIndex(int iID) const;
    void LoadObjects(const TProfileFile& fIniFile, const QString& sSection);
    void SaveObjects(TProfileFile& fIniFile, const QString& sSection) const;
    // The smallest item number from 1 upwards that no entry has.
    int GetNextFreeID() const;

private:
    std::vector<TEntry> Entries;
};
