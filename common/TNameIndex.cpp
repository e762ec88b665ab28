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

size_t TNameIndex::FoldedHash(QStringView sName) {
    // FNV-1a over the case-folded code points, with a short way for the
    // ASCII characters that names are almost always made of.
    constexpr size_t iPrime = 1099511628211ull;
    size_t iHash = 14695981039346656037ull;
    const char16_t* pName = sName.utf16();
    const qsizetype iSize = sName.size();
    qsizetype i = 0;
    while (i < iSize) {
        const char32_t c = pName[i];
        if (c < 0x80) {
            iHash = (iHash ^ (c - u'A' < 26u ? c + (u'a' - u'A') : c)) * iPrime;
            ++i;
        } else {
            iHash = (iHash ^ NextFolded(sName, i)) * iPrime;
        }
    }
    // The table takes its slot from the low bits: fold the high ones in.
    return iHash ^ (iHash >> 32);
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
