#include "TNameIndex.h"

#include <QChar>

void TNameIndex::Add(const QString& sName, int iPosition) {
    Positions.try_emplace(sName.trimmed(), iPosition);
}

int TNameIndex::Find(QStringView sName) const {
    const auto it = Positions.find(sName.trimmed());
    return it == Positions.end() ? -1 : it->second;
}

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

size_t TNameIndex::TFoldedHash::operator()(QStringView sName) const {
    // FNV-1a over the case-folded code points.
    size_t iHash = 14695981039346656037ull;
    for (qsizetype i = 0; i < sName.size();) {
        iHash = (iHash ^ NextFolded(sName, i)) * 1099511628211ull;
    }
    return iHash;
}

bool TNameIndex::TFoldedEqual::operator()(QStringView sLeft, QStringView sRight) const {
    // Simple case folding keeps a text's length, so names of different
    // lengths differ; the test comes first because short tables are searched
    // by comparing every name.
    if (sLeft.size() != sRight.size()) {
        return false;
    }
    qsizetype i = 0;
    while (i < sLeft.size() && sLeft[i] == sRight[i]) {
        ++i;
    }
    // From the first difference on, compare folded code points; a difference
    // in the second half of a surrogate pair starts at its first half.
    if (i > 0 && i < sLeft.size() && sLeft[i - 1].isHighSurrogate()) {
        --i;
    }
    for (qsizetype iRight = i; i < sLeft.size();) {
        if (NextFolded(sLeft, i) != NextFolded(sRight, iRight)) {
            return false;
        }
    }
    return true;
}
