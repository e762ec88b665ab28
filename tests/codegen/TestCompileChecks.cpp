// Hostile texts at the generators: what a compile refuses, and how the texts
// it accepts are written so that they stay data.

#include <gtest/gtest.h>

#include <functional>

#include "CompileChecks.h"
#include "ConstructorGenerator.h"
#include "GeneratorTestSupport.h"
#include "LibraryAssembly.h"
#include "ScriptContext.h"
#include "SnippetGenerator.h"

namespace {

// Each case starts from popups p1 and p10, each with its content and a first layer.
struct TRefusalCase {
    const char* sName;
    std::function<void(TTestProject&)> Setup;
    const char* sRefusal; // empty: accepted
};

void AddPopupWithLayer(TTestProject& project, const QString& sUniqueID) {
    TZEPInstance& instance = project.AddInstance(sUniqueID);
    instance.UpdateContentFromHTML();
    instance.ContentStrings.AddContent(instance, QStringLiteral("\"layer\""), instance.GetContentIndex(), 1);
}

TZEPInstance& Popup(TTestProject& project, int iIndex) {
    return project.Project().InstanceList.Instance(iIndex);
}

void SetLayerText(TTestProject& project, const QString& sHTML) {
    TContentItem& layer = *Popup(project, 0).GetContentObjectForID(1);
    layer.sHTML = sHTML;
}

const TRefusalCase aRefusals[] = {
    {"PrefixedIDsWithLayers", [](TTestProject&) {}, ""},
    {"UnterminatedLayer", [](TTestProject& p) { SetLayerText(p, QStringLiteral("\"unterminated")); },
     "Compile Error : Content layer <zep_p11> of popup <p1> is not one script string"},
    {"CodeAfterTheLayerString", [](TTestProject& p) { SetLayerText(p, QStringLiteral("\"a\";alert(1)")); },
     "Compile Error : Content layer <zep_p11> of popup <p1> is not one script string"},
    {"LayerTypedAsPlainHtml", [](TTestProject& p) { SetLayerText(p, QStringLiteral("<b>hi</b>")); },
     "Compile Error : Content layer <zep_p11> of popup <p1> is not one script string"},
    {"SingleQuotedLayer", [](TTestProject& p) { SetLayerText(p, QStringLiteral("'it\\'s'")); }, ""},
    {"LayerVariableOfAnotherPopup",
     [](TTestProject& p) {
         TZEPInstance& first = Popup(p, 0);
         first.ContentStrings.AddContent(first, QStringLiteral("\"two\""), first.GetContentIndex(), 2);
         p.AddInstance(QStringLiteral("p12")).UpdateContentFromHTML();
     },
     "Compile Error : Content variable <zep_p12> is used by popups <p1> and <p12>"},
    {"RotationReachesAnotherPopup",
     [](TTestProject& p) {
         Popup(p, 0).bRotationMode = 1;
         p.AddInstance(QStringLiteral("p12")).UpdateContentFromHTML();
     },
     "Compile Error : The rotation of popup <p1> would show the content <zep_p12> of popup <p12>"},
    {"RotationEndsBeforeAnotherPopup",
     [](TTestProject& p) {
         Popup(p, 0).bRotationMode = 1;
         p.AddInstance(QStringLiteral("p13")).UpdateContentFromHTML();
     },
     ""},
    {"IDsDifferingInLetterCase", [](TTestProject& p) { AddPopupWithLayer(p, QStringLiteral("P10")); },
     "Compile Error : Unique IDs <p10> and <P10> differ only in letter case"},
};

class CompileRefusal : public ::testing::TestWithParam<TRefusalCase> {};

TEST_P(CompileRefusal, NamesThePopupAndTheField) {
    TTestProject project;
    AddPopupWithLayer(project, QStringLiteral("p1"));
    AddPopupWithLayer(project, QStringLiteral("p10"));
    GetParam().Setup(project);
    EXPECT_EQ(CheckPopupsForScript(InstanceRefs(project.Project())), QLatin1String(GetParam().sRefusal));
}

std::string RefusalName(const ::testing::TestParamInfo<TRefusalCase>& info) {
    return info.param.sName;
}

INSTANTIATE_TEST_SUITE_P(Cases, CompileRefusal, ::testing::ValuesIn(aRefusals), RefusalName);

// Accepted texts are written as data: escaped for the script string or the
// HTML attribute they stand in; plain texts come out as before.
TEST(EscapedTexts, FontNameIsAScriptStringInTheConstructor) {
    TZEPInstance instance(nullptr);
    instance.sUniqueID = QStringLiteral("promo");
    instance.Font.sName = QStringLiteral("x\"+(code)+\"\\");
    instance.Font.iSize = 10;
    EXPECT_TRUE(CreateInstanceFunction(instance).contains(QStringLiteral(", \"10pt x\\\"+(code)+\\\"\\\\\", ")));
    instance.Font.sName = QStringLiteral("Verdana");
    EXPECT_TRUE(CreateInstanceFunction(instance).contains(QStringLiteral(", \"10pt Verdana\", ")));
}

TEST(EscapedTexts, CustomImageFolderIsAScriptStringInTheLibrary) {
    TZEPInstance instance(nullptr);
    instance.bUseCustom = 1;
    const QString sLibrary = QStringLiteral("a = \"url(close.gif)\";");
    instance.sCustomPath = QStringLiteral("C:\\users\\me\\images");
    EXPECT_EQ(TLibraryAssembly::SetCustomImagePaths(instance, sLibrary),
              QStringLiteral("a = \"url(C:\\\\users\\\\me\\\\images/close.gif)\";"));
    instance.sCustomPath = QStringLiteral("img\"+(code)+\"</script>");
    EXPECT_EQ(TLibraryAssembly::SetCustomImagePaths(instance, sLibrary),
              QStringLiteral("a = \"url(img\\\"+(code)+\\\"<\\/script>/close.gif)\";"));
}

TEST(EscapedTexts, ImageLinkAndFileNamesAreAttributeValues) {
    TZEPInstance instance(nullptr);
    instance.bOnClick = 1;
    instance.sImageLink = QStringLiteral("x\" onerror=\"code()&<");
    EXPECT_TRUE(GetMouseEventText(instance, QStringLiteral("go();"), {})
                    .endsWith(QStringLiteral(" src=\"x&quot; onerror=&quot;code()&amp;&lt;\" /></a>")));
    EXPECT_EQ(ScriptInclude(QStringLiteral("my\"site_zeplib.js")),
              QStringLiteral("<script type=\"text/javascript\" src=\"my&quot;site_zeplib.js\"></script>"));
    EXPECT_EQ(ScriptInclude(QStringLiteral("summer.offer.js")),
              QStringLiteral("<script type=\"text/javascript\" src=\"summer.offer.js\"></script>"));
}

TEST(EscapedTexts, LineSeparatorsInTheContentAreEscaped) {
    TZEPInstance instance(nullptr);
    instance.HTMLFile = {QStringLiteral("a") + QChar(0x2028) + QStringLiteral("b") + QChar(0x2029)};
    EXPECT_EQ(instance.GetHTMLForScript(), QStringLiteral("\"a\\u2028b\\u2029 \""));
}

} // namespace
