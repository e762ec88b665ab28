#pragma once

#include <QString>

// Texts exchanged with an FTP server: the site the designer types, names sent
// in commands and the directory in a PWD reply.

inline constexpr int iDefaultFtpPort = 21;

struct TFtpSite {
    QString sHost;
    int iPort = iDefaultFtpPort; // 0 when the port given is not a port number
};

// Splits "name", "name:port" or "[IPv6 address]:port" (trimmed).
TFtpSite SplitSite(const QString& sSite);

// A host name or address that cannot change the meaning of a URL: no user,
// port, path or query parts.
bool IsValidHostName(const QString& sHost);

// A name for this computer itself: "localhost" or a loopback address
// (127.x.x.x, [::1]). What is sent to it never leaves the machine.
bool IsLoopbackHost(const QString& sHost);

// A carriage return, line feed or NUL: such a text would end an FTP command
// early and let the rest pass as a further command.
bool HasLineBreak(const QString& sText);

// The directory named in a PWD reply text: between the first quotation mark
// and its partner, a doubled quotation mark standing for one; a reply without
// quotation marks is taken whole.
QString ParseDirectoryReply(const QString& sReplyText);
