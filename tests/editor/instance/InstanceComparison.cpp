#include "InstanceComparison.h"

#include "TProfileFile.h"
#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

std::unique_ptr<TZEPProject> LoadTemplate(const QString& sName) {
    auto project = std::make_unique<TZEPProject>();
    project->sFullProjectName = QStringLiteral(BRISOLA_SOURCE_DIR "/templates/") + sName + QStringLiteral(".zrj");
    TProfileFile file;
    EXPECT_TRUE(file.Open(project->sFullProjectName));
    EXPECT_TRUE(project->LoadFromIniFile(file, false)) << project->GetLastError().toStdString();
    return project;
}

QStringList TemplateNames() {
    QStringList names;
    for (const QString& sFile : QDir(QStringLiteral(BRISOLA_SOURCE_DIR "/templates")).entryList({"*.zrj"}))
        names << sFile.chopped(4);
    return names;
}

namespace {

template <typename T> void ExpectField(const T& actual, const T& expected, const char* sName) {
    EXPECT_EQ(actual, expected) << sName;
}

} // namespace

void ExpectSameInstance(const TZEPInstance& a, const TZEPInstance& e) {
    ExpectField(a.sUniqueID, e.sUniqueID, "sUniqueID");
    ExpectField(a.bTitleSelected, e.bTitleSelected, "bTitleSelected");
    ExpectField(a.sTitle, e.sTitle, "sTitle");
    ExpectField(a.bURLSelected, e.bURLSelected, "bURLSelected");
    ExpectField(a.sURL, e.sURL, "sURL");
    ExpectField(a.bOpenAfterSelected, e.bOpenAfterSelected, "bOpenAfterSelected");
    ExpectField(a.iOpenAfterDelay, e.iOpenAfterDelay, "iOpenAfterDelay");
    ExpectField(a.bCloseAfterSelected, e.bCloseAfterSelected, "bCloseAfterSelected");
    ExpectField(a.iCloseAfterDelay, e.iCloseAfterDelay, "iCloseAfterDelay");
    ExpectField(a.bPerSession, e.bPerSession, "bPerSession");
    ExpectField(a.EntryEffect, e.EntryEffect, "EntryEffect");
    ExpectField(a.ExitEffect, e.ExitEffect, "ExitEffect");
    ExpectField(a.bOnExit, e.bOnExit, "bOnExit");
    ExpectField(a.bOnClick, e.bOnClick, "bOnClick");
    ExpectField(a.bMouseOver, e.bMouseOver, "bMouseOver");
    ExpectField(a.bMouseOut, e.bMouseOut, "bMouseOut");
    ExpectField(a.bModal, e.bModal, "bModal");
    ExpectField(a.bBorder, e.bBorder, "bBorder");
    ExpectField(a.iBorderSize, e.iBorderSize, "iBorderSize");
    ExpectField(a.bShadow, e.bShadow, "bShadow");
    ExpectField(a.iShadowSize, e.iShadowSize, "iShadowSize");
    ExpectField(a.bPadding, e.bPadding, "bPadding");
    ExpectField(a.iPaddingSize, e.iPaddingSize, "iPaddingSize");
    ExpectField(a.bScrollBars, e.bScrollBars, "bScrollBars");
    ExpectField(a.bTransparentTitle, e.bTransparentTitle, "bTransparentTitle");
    ExpectField(a.bTransparentBackground, e.bTransparentBackground, "bTransparentBackground");
    ExpectField(a.BorderColour, e.BorderColour, "BorderColour");
    ExpectField(a.ShadowColour, e.ShadowColour, "ShadowColour");
    ExpectField(a.TitleColour, e.TitleColour, "TitleColour");
    ExpectField(a.TitleTextColour, e.TitleTextColour, "TitleTextColour");
    ExpectField(a.BackgroundColour, e.BackgroundColour, "BackgroundColour");
    ExpectField(a.TextPanelColour, e.TextPanelColour, "TextPanelColour");
    ExpectField(a.bCanMove, e.bCanMove, "bCanMove");
    ExpectField(a.bFromContent, e.bFromContent, "bFromContent");
    ExpectField(a.bCanClose, e.bCanClose, "bCanClose");
    ExpectField(a.bCanResize, e.bCanResize, "bCanResize");
    ExpectField(a.bFollowScroll, e.bFollowScroll, "bFollowScroll");
    ExpectField(a.iWidth, e.iWidth, "iWidth");
    ExpectField(a.iHeight, e.iHeight, "iHeight");
    ExpectField(a.iTop, e.iTop, "iTop");
    ExpectField(a.iLeft, e.iLeft, "iLeft");
    ExpectField(a.Location, e.Location, "Location");
    ExpectField(a.HTMLFile, e.HTMLFile, "HTMLFile");
    ExpectField(a.Font, e.Font, "Font");
    // Kept by the advanced dialogs; the editor must leave them alone.
    ExpectField(a.bUseCustom, e.bUseCustom, "bUseCustom");
    ExpectField(a.sCustomPath, e.sCustomPath, "sCustomPath");
    ExpectField(a.bOncePer, e.bOncePer, "bOncePer");
    ExpectField(a.iNunberDays, e.iNunberDays, "iNunberDays");
    ExpectField(a.bControlProbablility, e.bControlProbablility, "bControlProbablility");
    ExpectField(a.iProbabilityPercent, e.iProbabilityPercent, "iProbabilityPercent");
    ExpectField(a.bSiteWide, e.bSiteWide, "bSiteWide");
    ExpectField(a.iTryOnce, e.iTryOnce, "iTryOnce");
    ExpectField(a.iTryAgain, e.iTryAgain, "iTryAgain");
    ExpectField(a.sImageLink, e.sImageLink, "sImageLink");
    ExpectField(a.BinaryGraphicFiles, e.BinaryGraphicFiles, "BinaryGraphicFiles");
    ASSERT_EQ(a.ContentStrings.Count(), e.ContentStrings.Count());
    if (a.ContentStrings.Count() > 0)
        ExpectField(a.ContentStrings.Item(0).sHTML, e.ContentStrings.Item(0).sHTML, "content item 0");
}
