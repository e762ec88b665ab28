// What a compile refuses before it writes anything, naming the popup and the field.

#include <gtest/gtest.h>

#include <functional>

#include "CompileChecks.h"
#include "GeneratorTestSupport.h"
#include "ScriptContext.h"

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

} // namespace
