#include "FtpListing.h"
#include "FtpText.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {
QStringList Describe(const std::vector<TFtpListItem>& items) {
    QStringList lines;
    for (const TFtpListItem& item : items) {
        lines.append((item.bIsFile ? "file:" : "other:") + item.sName);
    }
    return lines;
}
} // namespace

TEST(FtpListing, ReadsUnixListings) {
    const QString sListing = "total 12\r\n"
                             "-rw-r--r--   1 owner    group        1234 Jan 01 12:00 index.html\r\n"
                             "drwxr-xr-x   2 owner    group        4096 Feb 10  2023 popups\r\n"
                             "lrwxrwxrwx   1 owner    group          10 Mar  3 09:15 latest -> index.html\r\n"
                             "-rw-r--r--   1 1000     1000            0 Dec 31 23:59 my page 2.html\r\n"
                             "-rw-r--r--   1 owner               7 Apr  4  2020  lead.js\r\n"
                             "-rw-r--r--   1 owner    group           0 Jan 01 12:00 .\r\n";
    EXPECT_EQ(Describe(ParseFtpListing(sListing)),
              QStringList({"file:index.html", "other:popups", "other:latest", "file:my page 2.html", "file: lead.js"}));
}

TEST(FtpListing, ReadsWindowsListings) {
    const QString sListing = "01-15-24  10:30AM       <DIR>          public_html\r\n"
                             "01-15-24  10:31PM                 1234 ZEPlib.js\r\n"
                             "2024-01-15 10:31 garbage\r\n";
    EXPECT_EQ(Describe(ParseFtpListing(sListing)), QStringList({"other:public_html", "file:ZEPlib.js"}));
}

TEST(FtpListing, RefusesNamesWithLineBreaks) {
    const QString sListing = "-rw-r--r-- 1 o g 5 Jan 01 12:00 evil\rname\n"
                             "-rw-r--r-- 1 o g 5 Jan 01 12:00 good.js\n";
    EXPECT_EQ(Describe(ParseFtpListing(sListing)), QStringList({"file:good.js"}));
}

TEST(FtpText, SplitsTheSiteIntoHostAndPort) {
    EXPECT_EQ(SplitSite(" ftp.example.com ").sHost, "ftp.example.com");
    EXPECT_EQ(SplitSite("ftp.example.com").iPort, 21);
    EXPECT_EQ(SplitSite("ftp.example.com:2121").iPort, 2121);
    EXPECT_EQ(SplitSite("ftp.example.com:2121").sHost, "ftp.example.com");
    EXPECT_EQ(SplitSite("[::1]:2121").sHost, "[::1]");
    EXPECT_EQ(SplitSite("[::1]:2121").iPort, 2121);
    EXPECT_EQ(SplitSite("[::1]").iPort, 21);
    EXPECT_EQ(SplitSite("host:99999").iPort, 0);
    EXPECT_EQ(SplitSite("host:ftp").iPort, 0);
}

TEST(FtpText, HostNamesCannotCarryOtherUrlParts) {
    EXPECT_TRUE(IsValidHostName("ftp.example-1.com"));
    EXPECT_TRUE(IsValidHostName("[fe80::1]"));
    for (const char* sBad : {"", "user@host", "host/path", "host?x", "host#x", "ho st", "[::1", "[host]"}) {
        EXPECT_FALSE(IsValidHostName(sBad)) << sBad;
    }
}

TEST(FtpText, LoopbackHostsAreThisComputerOnly) {
    for (const char* sHost : {"localhost", "LocalHost", "127.0.0.1", "127.1.2.3", "[::1]"}) {
        EXPECT_TRUE(IsLoopbackHost(sHost)) << sHost;
    }
    for (const char* sHost : {"", "ftp.example.com", "localhost.example.com", "127.0.0.1.example.com", "128.0.0.1",
                              "127.0.0", "127.0.0.256", "127.0.0.+1", "[fe80::1]", "10.0.0.1"}) {
        EXPECT_FALSE(IsLoopbackHost(sHost)) << sHost;
    }
}

TEST(FtpText, ReadsTheDirectoryOfAPwdReply) {
    EXPECT_EQ(ParseDirectoryReply(R"("/public_html" is the current directory.)"), "/public_html");
    EXPECT_EQ(ParseDirectoryReply(R"("/say ""hi""/x" created)"), R"(/say "hi"/x)");
    EXPECT_EQ(ParseDirectoryReply("/plain"), "/plain");
    EXPECT_TRUE(HasLineBreak("a\rb"));
    EXPECT_FALSE(HasLineBreak("a b"));
}
