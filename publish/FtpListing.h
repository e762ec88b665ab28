#pragma once

#include <QString>

#include <vector>

// One entry of a directory listing.
struct TFtpListItem {
    QString sName;
    bool bIsFile = false; // a plain file (not a folder, link or device)
};

// Parses the text a server sends for LIST. Both common formats are read: the
// Unix one ("-rw-r--r-- 1 owner group 1234 Jan 01 12:00 name") and the
// Windows one ("01-15-24  10:30AM  1234 name" or "<DIR>"). Lines in neither
// format (totals, blank lines) are skipped, and so are names holding a
// carriage return or line feed, which no real file name contains.
std::vector<TFtpListItem> ParseFtpListing(const QString& sListing);
