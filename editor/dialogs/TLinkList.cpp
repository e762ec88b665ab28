#include "TLinkList.h"

#include "StringUtils.h"

#include <algorithm>

namespace {

QString WithoutFolders(const QString& sName) {
    const qsizetype iSeparator = std::max(sName.lastIndexOf(QLatin1Char('/')), sName.lastIndexOf(QLatin1Char('\\')));
    return sName.mid(iSeparator + 1);
}

} // namespace

bool IsPictureFile(const QString& sName) {
    const QString sTrimmed = TrimText(sName);
    for (const char* sExtension : {".BMP", ".GIF", ".JPG"}) {
        if (sTrimmed.endsWith(QLatin1String(sExtension), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

std::vector<TLinkEntry> BuildLinkEntries(const QStringList& FileList) {
    std::vector<TLinkEntry> entries{{sTextualLinkOnly, {clTextualLinkColour, QString()}}};
    for (const QString& sFile : FileList) {
        if (!IsPictureFile(sFile))
            continue;
        const QString sName = WithoutFolders(TrimText(sFile));
        entries.push_back({sName, {clPictureLinkColour, sName}});
    }
    return entries;
}

int FindLinkEntry(const std::vector<TLinkEntry>& Entries, const QString& sLink) {
    const QString sWanted = TrimText(sLink);
    int iFound = -1;
    for (int i = 0; i < int(Entries.size()); ++i) {
        if (TrimText(Entries[size_t(i)].Link.sFileName).compare(sWanted, Qt::CaseInsensitive) == 0)
            iFound = i;
    }
    return iFound;
}
