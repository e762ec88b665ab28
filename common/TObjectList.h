#pragma once

#include <QString>

#include <memory>
#include <utility>
#include <vector>

// A list of texts, each with an optional object that belongs to the list:
// deleting an entry or emptying the list frees the objects with it.
template <class T> class TObjectList {
public:
    TObjectList() = default;
    TObjectList(const TObjectList&) = delete;
    TObjectList& operator=(const TObjectList&) = delete;
    TObjectList(TObjectList&&) noexcept = default;
    TObjectList& operator=(TObjectList&&) noexcept = default;
    virtual ~TObjectList() = default;

    int Count() const { return int(Entries.size()); }

    // Appends an entry and answers its index.
    int Add(const QString& sText, std::unique_ptr<T> oObject = nullptr) {
        Entries.push_back({sText, std::move(oObject)});
        return Count() - 1;
    }
    void Insert(int iIndex, const QString& sText, std::unique_ptr<T> oObject = nullptr) {
        Entries.insert(Entries.begin() + iIndex, TEntry{sText, std::move(oObject)});
    }

    const QString& Strings(int iIndex) const { return Entries.at(std::size_t(iIndex)).sText; }
    void SetString(int iIndex, const QString& sText) { Entries.at(std::size_t(iIndex)).sText = sText; }
    T* Objects(int iIndex) const { return Entries.at(std::size_t(iIndex)).oObject.get(); }
    // Replaces the entry's object, freeing the previous one.
    void SetObject(int iIndex, std::unique_ptr<T> oObject) {
        Entries.at(std::size_t(iIndex)).oObject = std::move(oObject);
    }

    // Index of the first entry whose text equals sText regardless of case; -1 when none.
    int IndexOf(const QString& sText) const {
        for (int i = 0; i < Count(); ++i) {
            if (Strings(i).compare(sText, Qt::CaseInsensitive) == 0) {
                return i;
            }
        }
        return -1;
    }

    // Frees the entry's object and removes the entry.
    void Delete(int iIndex) { Entries.erase(Entries.begin() + iIndex); }
    // Frees every object and empties the list.
    void Clear() { Entries.clear(); }
    // Frees every object but keeps the entries and their texts.
    void FreeObjects() {
        for (TEntry& entry : Entries) {
            entry.oObject.reset();
        }
    }

private:
    struct TEntry {
        QString sText;
        std::unique_ptr<T> oObject;
    };
    std::vector<TEntry> Entries;
};
