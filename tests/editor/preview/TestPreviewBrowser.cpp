#include "PreviewScripts.h"
#include "TPreviewBrowser.h"
#include "TextFile.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr int iFollowing = 4; // Node.DOCUMENT_POSITION_FOLLOWING

// The browser alone, on a page of the test's own.
class PreviewBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteTextLines(Dir.filePath(QStringLiteral("host.html")),
                                   {QStringLiteral("<html><body><p id=\"own\">own</p></body></html>")}));
        ASSERT_TRUE(WriteTextLines(Dir.filePath(QStringLiteral("a.js")), {QStringLiteral("order.push('a');")}));
        ASSERT_TRUE(WriteTextLines(Dir.filePath(QStringLiteral("b.js")),
                                   {QStringLiteral("order.push('b after ' + typeof second);")}));
        Window.resize(400, 300);
        Window.show();
    }
    QTemporaryDir Dir;
    QWidget Window;
    TPreviewBrowser Browser{&Window};
};

TEST_F(PreviewBrowserTest, InsertedScriptsRunInDocumentOrderBeforeThePageContent) {
    Browser.Navigate(Dir.filePath(QStringLiteral("host.html")));
    ASSERT_TRUE(Browser.WaitForDocument());
    ASSERT_TRUE(Browser.InsertAfterBegin(QStringLiteral(
        "<!DOCTYPE html><html><head><meta charset=\"UTF-8\" /></head><body><div id=\"inserted\">&nbsp</div>"
        "<script type=\"text/javascript\" defer>var order=['first'];</script>"
        "<script type=\"text/javascript\" src=\"a.js\" defer></script>"
        "<script>var second=1;order.push('second');</script>"
        "<script src=\"b.js\"></script><script src=\"missing.js\"></script><script>order.push('last');</script>")));
    ASSERT_TRUE(WaitForScript(Browser, QStringLiteral("typeof order=='object' && order.length==5")));
    EXPECT_EQ(RunScript(Browser, QStringLiteral("order.join(',')")),
              QStringLiteral("first,a,second,b after number,last"));
    EXPECT_EQ(RunScript(Browser, QStringLiteral("document.getElementById('inserted').parentNode==document.body && "
                                                "document.getElementById('inserted').compareDocumentPosition("
                                                "document.getElementById('own')) & Node.DOCUMENT_POSITION_FOLLOWING"))
                  .toInt(),
              iFollowing);
    EXPECT_EQ(RunScript(Browser, QStringLiteral("document.getElementById('own').previousElementSibling.tagName")),
              QStringLiteral("SCRIPT"));
}

TEST_F(PreviewBrowserTest, APreviewPageKeepsCookiesForItsLifetime) {
    Browser.Navigate(Dir.filePath(QStringLiteral("host.html")));
    ASSERT_TRUE(Browser.WaitForDocument());
    EXPECT_EQ(
        RunScript(Browser, QStringLiteral("document.cookie='a=1; path=/';"
                                          "document.cookie='b=x%20y;expires='+new Date(Date.now()+60000).toUTCString()"
                                          "+'; path=/';document.cookie='a=2; path=/';"
                                          "document.cookie='gone=1;expires='+new Date(Date.now()-1000).toUTCString();"
                                          "document.cookie")),
        QStringLiteral("a=2; b=x%20y"));
    Browser.Navigate(Dir.filePath(QStringLiteral("host.html")));
    ASSERT_TRUE(Browser.WaitForDocument());
    EXPECT_EQ(RunScript(Browser, QStringLiteral("document.cookie")), QString()) << "each preview starts afresh";
}

TEST_F(PreviewBrowserTest, AMissingPageFailsWithoutWaitingForTheTimeout) {
    QDeadlineTimer deadline(TPreviewBrowser::iLoadTimeoutMs);
    Browser.Navigate(Dir.filePath(QStringLiteral("missing.html")));
    EXPECT_FALSE(Browser.WaitForDocument());
    EXPECT_FALSE(deadline.hasExpired());
    EXPECT_FALSE(Browser.GetLastError().isEmpty());
}

TEST_F(PreviewBrowserTest, AWaitEndsAtItsTimeout) {
    Browser.Navigate(Dir.filePath(QStringLiteral("host.html")));
    EXPECT_FALSE(Browser.WaitForDocument(0));
    QVariant value;
    EXPECT_FALSE(Browser.RunScript(QStringLiteral("1"), value, 0));
}

} // namespace
