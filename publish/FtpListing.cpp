#include "FtpListing.h"

#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace {

// Type and permissions, any fields (links, owner, group), size, date, name.
const QRegularExpression& UnixLinePattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^([-dlbcps])[-rwxsStTlL]{9}\S*\s+(?:.*?\s)?\d+\s+)"
                       R"([A-Za-z]{3}\s+\d{1,2}\s+(?:\d{1,2}:\d{2}|\d{4})\s(.+)$)"));
    return pattern;
}

// Date, time, "<DIR>" or size, name.
const QRegularExpression& WindowsLinePattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\d{1,2}-\d{1,2}-\d{2,4}\s+\d{1,2}:\d{2}\s*(?:[AaPp][Mm])?\s+(<DIR>|\d+)\s+(.+)$)"));
    return pattern;
}

std::optional<TFtpListItem> ParseUnixLine(const QString& sLine) {
    const QRegularExpressionMatch match = UnixLinePattern().match(sLine);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QChar type = match.captured(1).at(0);
    QString sName = match.captured(2);
    if (type == u'l') {
        sName = sName.section(QStringLiteral(" -> "), 0, 0);
    }
    return TFtpListItem{sName, type == u'-'};
}

std::optional<TFtpListItem> ParseWindowsLine(const QString& sLine) {
    const QRegularExpressionMatch match = WindowsLinePattern().match(sLine);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return TFtpListItem{match.captured(2), match.captured(1) != QStringLiteral("<DIR>")};
}

} // namespace

std::vector<TFtpListItem> ParseFtpListing(const QString& sListing) {
    std::vector<TFtpListItem> items;
    for (QString sLine : sListing.split(u'\n')) {
        if (sLine.endsWith(u'\r')) {
            sLine.chop(1);
        }
        if (sLine.contains(u'\r')) {
            continue;
        }
        std::optional<TFtpListItem> item = ParseUnixLine(sLine);
        if (!item) {
            item = ParseWindowsLine(sLine);
        }
        if (item && item->sName != QStringLiteral(".") && item->sName != QStringLiteral("..")) {
            items.push_back(*item);
        }
    }
    return items;
}
