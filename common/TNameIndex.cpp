#include "TNameIndex.h"

#include <QChar>

namespace {

// The case-folded code point at position i, which moves past it.
char32_t NextFolded(QStringView sName, qsizetype& i) {
    char32_t c = sName[i++].unicode();
    if (c < 0x80) {
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    }
    if (QChar::isHighSurrogate(c) && i < sName.size() && sName[i].isLowSurrogate()) {
        c = QChar::surrogateToUcs4(char16_t(c), sName[i++].unicode());
    }
    return QChar::toCaseFolded(c);
}

} // namespace

namespace {

// FNV-1a over the case-folded UTF-16 units of a name, taken four at a time.
class TFoldedHasher {
public:
    // Four ASCII units at s, capitals lowered, when there are four.
    static bool AsciiWord(const char16_t* s, qsizetype iLeft, quint64& iWord) {
        if (iLeft < 4) {
            return false;
        }
        iWord = quint64(s[0]) | quint64(s[1]) << 16 | quint64(s[2]) << 32 | quint64(s[3]) << 48;
        if (iWord & 0xFF80FF80FF80FF80ull) {
            return false;
        }
        // Per 16-bit lane, bit 7 of the first sum is set from 'A' on, of the
        // second after 'Z'; no lane carries into the next.
        const quint64 iFromA = iWord + 0x003F003F003F003Full;
        const quint64 iAfterZ = iWord + 0x0025002500250025ull;
        iWord |= (iFromA & ~iAfterZ & 0x0080008000800080ull) >> 2;
        return true;
    }
    void Word(quint64 iWord) { iHash = (iHash ^ iWord) * iPrime; }
    void Unit(char16_t c) {
        iPending |= quint64(c) << (16 * iPendingUnits);
        if (++iPendingUnits == 4) {
            Word(iPending);
            iPending = 0;
            iPendingUnits = 0;
        }
    }
    bool WordBoundary() const { return iPendingUnits == 0; }
    size_t Result(qsizetype iSize) {
        Word(iPending);
        Word(quint64(iSize));
        return size_t(iHash ^ (iHash >> 32));
    }

private:
    static constexpr quint64 iPrime = 1099511628211ull;
    quint64 iHash = 14695981039346656037ull;
    quint64 iPending = 0;
    int iPendingUnits = 0;
};

} // namespace

size_t TNameIndex::FoldedHash(QStringView sName) {
    // Names are nearly always ASCII and hashed a word at a time; any other
    // character is folded on its own and adds its units to the same words, so
    // names that fold alike hash alike however they are spelled.
    TFoldedHasher hasher;
    const char16_t* pName = sName.utf16();
    const qsizetype iSize = sName.size();
    qsizetype i = 0;
    quint64 iWord = 0;
    while (i < iSize) {
        if (hasher.WordBoundary() && TFoldedHasher::AsciiWord(pName + i, iSize - i, iWord)) {
            hasher.Word(iWord);
            i += 4;
            continue;
        }
        const char32_t c = NextFolded(sName, i);
        if (QChar::requiresSurrogates(c)) {
            hasher.Unit(QChar::highSurrogate(c));
            hasher.Unit(QChar::lowSurrogate(c));
        } else {
            hasher.Unit(char16_t(c));
        }
    }
    return hasher.Result(iSize);
}

bool TNameIndex::FoldedEqual(QStringView sLeft, QStringView sRight) {
    // Names are nearly always spelled alike; simple case folding keeps a
    // text's length, so names of different lengths differ.
    if (sLeft.size() != sRight.size()) {
        return false;
    }
    if (sLeft == sRight) {
        return true;
    }
    qsizetype i = 0;
    while (sLeft[i] == sRight[i]) {
        ++i;
    }
    // From the first difference on, compare folded code points; a difference
    // in the second half of a surrogate pair starts at its first half.
    if (i > 0 && sLeft[i - 1].isHighSurrogate()) {
        --i;
    }
    for (qsizetype iRight = i; i < sLeft.size();) {
        if (NextFolded(sLeft, i) != NextFolded(sRight, iRight)) {
            return false;
        }
    }
    return true;
}

size_t TNameIndex::FreeSlot(size_t iHash) const {
    const size_t iMask = Slots.size() - 1;
    size_t i = iHash & iMask;
    while (Slots[i].iPosition >= 0) {
        i = (i + 1) & iMask;
    }
    return i;
}

void TNameIndex::Grow() {
    std::vector<TSlot> old = std::move(Slots);
    Slots.assign(old.empty() ? 8 : 2 * old.size(), TSlot{});
    for (const TSlot& slot : old) {
        if (slot.iPosition >= 0) {
            Slots[FreeSlot(slot.iHash)] = slot;
        }
    }
}
