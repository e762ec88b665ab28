#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The link object of one entry of the image link list: the colour the entry
// is drawn in and the picture it stands for (empty for the textual link).
struct TLinkObject {
    quint32 Colour = 0; // red in the lowest byte
    QString sFileName;  // without folders
};

// One entry of the image link list: its text and its link object.
struct TLinkEntry {
    QString sText;
    TLinkObject Link;
};

inline const QString sTextualLinkOnly = QStringLiteral("Textual link only");
constexpr quint32 clTextualLinkColour = 0x000080; // dark red
constexpr quint32 clPictureLinkColour = 0xFF0000; // blue

// True when the trimmed name ends in ".BMP", ".GIF" or ".JPG", in any case.
bool IsPictureFile(const QString& sName);

// "Textual link only", then one entry per picture among the attached files,
// in their order, each showing the file name without folders.
std::vector<TLinkEntry> BuildLinkEntries(const QStringList& FileList);

// The entry whose file name equals the link (both trimmed, case ignored); the
// last one when several do. An empty link is the textual link (0); -1 when no
// entry names the link.
int FindLinkEntry(const std::vector<TLinkEntry>& Entries, const QString& sLink);
