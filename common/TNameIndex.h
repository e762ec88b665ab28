#pragma once

#include <QStringView>

#include <vector>

// Positions of names that match regardless of letter case and of blanks
// around them: the section and key index of a profile file.
//
// The index keeps only each name's hash and position, in an open-addressing
// table that grows by doubling, so adding a name allocates nothing of its own
// and finding one builds no folded copy of it. The names stay with their
// owner: Add and Find take a function nameAt(iPosition) giving the name
// recorded at a position, which must not change while it is recorded.
class TNameIndex {
public:
    // Records the name's position unless an equal name is already recorded:
    // the first of repeated names wins. Returns whether it was recorded.
    template <class TNameAt> bool Add(QStringView sName, int iPosition, const TNameAt& nameAt) {
        sName = Trimmed(sName);
        const size_t iHash = FoldedHash(sName);
        if (FindHashed(sName, iHash, nameAt) >= 0) {
            return false;
        }
        if (2 * (iCount + 1) > Slots.size()) {
            Grow();
        }
        Slots[FreeSlot(iHash)] = TSlot{iHash, iPosition};
        ++iCount;
        return true;
    }
    // The position of the name, or -1.
    template <class TNameAt> int Find(QStringView sName, const TNameAt& nameAt) const {
        sName = Trimmed(sName);
        return FindHashed(sName, FoldedHash(sName), nameAt);
    }
    void Clear() {
        Slots.clear();
        iCount = 0;
    }

    // The name without blanks around it; names rarely have any.
    static QStringView Trimmed(QStringView sName) {
        return sName.isEmpty() || (!sName.front().isSpace() && !sName.back().isSpace()) ? sName : sName.trimmed();
    }
    // Hash and comparison of names by their case-folded characters.
    static size_t FoldedHash(QStringView sName);
    static bool FoldedEqual(QStringView sLeft, QStringView sRight);

private:
    struct TSlot {
        size_t iHash = 0;
        int iPosition = -1; // -1: the slot is free
    };

    template <class TNameAt> int FindHashed(QStringView sName, size_t iHash, const TNameAt& nameAt) const {
        if (Slots.empty()) {
            return -1;
        }
        const size_t iMask = Slots.size() - 1;
        for (size_t i = iHash & iMask;; i = (i + 1) & iMask) {
            const TSlot& slot = Slots[i];
            if (slot.iPosition < 0) {
                return -1;
            }
            if (slot.iHash == iHash && FoldedEqual(Trimmed(nameAt(slot.iPosition)), sName)) {
                return slot.iPosition;
            }
        }
    }
    size_t FreeSlot(size_t iHash) const;
    void Grow();

    std::vector<TSlot> Slots; // empty, or a power of two at least twice iCount
    size_t iCount = 0;
};
