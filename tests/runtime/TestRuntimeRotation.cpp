// A compiled single-popup page whose popup rotates its contents.
#include "TCompiledProject.h"
#include "TRuntimePage.h"
#include "TZEPProject.h"

#include <gtest/gtest.h>

namespace {

// Without a content file the only content is the popup's own: every page view
// shows it, the first (no rotation cookie yet) and the later ones alike.
TEST(CompiledRotation, WithoutContentFileEveryViewShowsThePopupsOwnContent) {
    TRuntimePage page;
    TCompiledProject plain;
    ASSERT_TRUE(plain.Compile("plain", "promo.zrj", page.Folder(), false, [](TZEPProject& project) {
        project.InstanceList.Instance(0).bRotationMode = 1;
    })) << plain.sError.toStdString();
    for (int iView = 1; iView <= 3; ++iView) {
        ASSERT_TRUE(page.Open(plain.ScriptBody()));
        page.Advance(400);
        EXPECT_EQ(page.Run("document.getElementById('promo_zepC').innerHTML").toString(), "<p class=\"x\">Hello</p> ")
            << "view " << iView;
    }
    EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString();
}

} // namespace
