#include "PreviewPages.h"

#include "ColourText.h"
#include "CommandGenerator.h"
#include "ConstructorGenerator.h"
#include "LibraryAssembly.h"
#include "LinkingScript.h"
#include "MaskFiles.h"
#include "ProjectQueries.h"
#include "ScriptNames.h"
#include "SnippetGenerator.h"
#include "StrictLinks.h"
#include "StringUtils.h"
#include "TScriptForm.h"
#include "TZEPProject.h"
#include "TextFile.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int iTemplateLines = 18;
constexpr int iKeptLines = 8;

const QString sDocType = QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
                                        "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">");
const QString sHtmlElement = QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\">");

void AppendDemoLines(QStringList& lines) {
    lines << QString() << QStringLiteral("<!-- This is only for demo purposes in this file -->")
          << QStringLiteral("<div style=\"width:50px;height:1500px;\">&nbsp;</div>");
}

// The tooltip's trigger link; without inline script its call goes into a data attribute.
QString TooltipLink(const TZEPInstance& instance, bool bStrict) {
    const QString sID = instance.GetScriptName();
    const QString sQuoted = QStringLiteral("'") + (sID.isEmpty() ? QStringLiteral("UniqueID") : sID) + u'\'';
    const QString sCall = sID + QStringLiteral(".zepTooltip(") + sQuoted + QStringLiteral(",'tt1',") +
                          QString::number(qMax(instance.iWidth, 50)) + u',' +
                          QString::number(qMax(instance.iHeight, 50)) + QStringLiteral(",15,-60,ZEPtooltip1,'#") +
                          ColourToHexText(instance.BackgroundColour) + QStringLiteral("',1,event)");
    const QString sStrictAttribute = bStrict ? StrictEventAttribute(QStringLiteral("mouseover"), sCall) : QString();
    if (!sStrictAttribute.isEmpty()) {
        return QStringLiteral("<a id=\"tt1\" ") + sStrictAttribute + QStringLiteral(">DHTML Popup</a>");
    }
    return QStringLiteral("<a id=\"tt1\" href=\"javascript:void(0)\" onmouseover=\"") + sCall +
           QStringLiteral("\">DHTML Popup</a>");
}

void AppendTooltipLink(const TZEPInstance& instance, CPreviewMode mode, bool bStrict, TPreviewText& text) {
    text.PreviewHTML << QStringLiteral("<br/><br/><br/><br/><br/><br/><br/><br/><br/>")
                     << QStringLiteral("<p align=\"justify\">");
    QString sLink = TooltipLink(instance, bStrict);
    if (mode == CPreviewMode::pmPreview) {
        sLink = QStringLiteral("Create ") + sLink +
                QStringLiteral(" for your page. The color, border, shadow, dimensions etc can all be changed on the "
                               "left. Change the offset from the mouse using the top/left settings. After compiling "
                               "just copy/paste the single line given in the preview file and apply to any words on "
                               "the page");
    }
    text.PreviewHTML << sLink;
    text.MouseEventHTML << sLink;
    text.PreviewHTML << QStringLiteral("</p>");
}

void AppendLinkBlock(const TZEPInstance& instance, const QString& sCmd, const QString& sLinkText, bool bStrict,
                     TPreviewText& text) {
    const QString sLink = GetMouseEventText(instance, sCmd, sLinkText, bStrict);
    text.PreviewHTML << QStringLiteral("<center><br/><br/><br/><br/><br/><br/><br/><br/>") << sLink
                     << QStringLiteral("<div style=\"width:50px;height:100px;\">&nbsp;</div>")
                     << QStringLiteral("</center>");
    text.MouseEventHTML << sLink;
}

// The item numbers of the list from 0 upwards, each once.
std::vector<int> ContentIDs(const TContentList& content) {
    std::vector<int> ids;
    for (int i = 0; i < content.Count(); ++i)
        ids.push_back(content.Item(i).iLID);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

void AppendEventLinks(const TScriptContext& context, const TZEPInstance& instance, CPreviewMode mode,
                      TPreviewText& text) {
    const QString sModal = instance.bModal == 1 ? GenerateModalString(instance) : QString();
    const bool bStrict = context.oProject.bStrictCSP == 1;
    if (context.oProject.bMultipleSequentialLayers == 1) {
        // Layer numbers may have gaps once a layer was deleted: each number present gets its link, in order.
        const std::vector<int> ids =
            mode == CPreviewMode::pmPreview ? std::vector<int>{0} : ContentIDs(instance.ContentStrings);
        for (const int n : ids) {
            const TContentItem* item = instance.GetContentObjectForID(n);
            if (item != nullptr) {
                const QString sCmd =
                    GenerateCommandString(instance, instance.GetScriptName(), CreateLinkFunctions(*item, instance));
                AppendLinkBlock(instance, sCmd + sModal, item->sAPISpecificLinkText, bStrict, text);
            }
        }
    } else {
        AppendLinkBlock(instance, GenerateCommandString(instance, instance.GetScriptName(), QString()) + sModal,
                        QString(), bStrict, text);
    }
    AppendDemoLines(text.PreviewHTML);
}

} // namespace

bool BuildPreviewHTML(const TScriptContext& context, const TInstanceRefs& instances, CPreviewMode mode,
                      TPreviewText& text) {
    const TZEPProject& project = context.oProject;
    const QString& sBase = context.sProjectBase;
    text.MouseEventHTML.clear();
    text.PreviewHTML = context.oScript.PreviewHTMLDefaultMemo;
    if (text.PreviewHTML.size() < iTemplateLines) {
        context.oReport.ShowError(QStringLiteral("Default Preview HTML has only ") +
                                  QString::number(text.PreviewHTML.size()) + QStringLiteral(" lines"));
        text.PreviewHTML.clear();
        return false;
    }
    text.PreviewHTML[4] = ScriptInclude(sBase + QStringLiteral("_zeplib.js"));
    if (instances.size() == 1 && HasTooltip(project)) {
        text.PreviewHTML[5] = ScriptInclude(sBase + QStringLiteral("_ZEPtooltips.js"));
    } else if (instances.size() > 1 || project.bDynamicContent == 1) {
        text.PreviewHTML[5] = ScriptInclude(sBase + QStringLiteral("_ZEPcontent.js"));
    } else {
        text.PreviewHTML[5].clear();
    }
    text.PreviewHTML[6] = ScriptInclude(sBase + QStringLiteral(".js"));
    text.PreviewHTML.resize(iKeptLines);
    for (const TZEPInstance* instance : instances) {
        if (instance == nullptr) {
            continue;
        }
        if (instance->bToolTip == 1) {
            AppendTooltipLink(*instance, mode, project.bStrictCSP == 1, text);
        } else if (instance->bMouseOver == 1 || instance->bMouseOut == 1 || instance->bOnClick == 1) {
            AppendEventLinks(context, *instance, mode, text);
        } else {
            if (text.PreviewHTML.size() == iKeptLines) {
                text.PreviewHTML << QString();
            }
            AppendDemoLines(text.PreviewHTML);
        }
    }
    text.PreviewHTML << QStringLiteral("</body></html>");
    return true;
}

bool BuildSingleInstancePreviewHTML(const TScriptContext& context, TZEPInstance& instance, TPreviewText& text) {
    return BuildPreviewHTML(context, TInstanceRefs{&instance}, CPreviewMode::pmPreview, text);
}

QString GetInternalPage(const TScriptContext& context, const TZEPInstance& instance, const TPreviewText& text) {
    QString sPage = sDocType + sHtmlElement + QStringLiteral("<head>") +
                    QStringLiteral("<meta http-equiv=\"Content-type\" content=\"text/html;charset=UTF-8\" />") +
                    QStringLiteral("<meta http-equiv=\"X-UA-Compatible\" content=\"IE=8\" />") +
                    QStringLiteral("</head><body>") + QStringLiteral("<div>&nbsp</div>") +
                    QStringLiteral("<script type=\"text/javascript\" defer>") +
                    TLibraryAssembly(context.oScript).GetScopedLibraryCode(&instance);
    sPage = TLibraryAssembly::SetCustomImagePaths(instance, sPage);
    sPage += QStringLiteral("</script>");
    if (instance.bToolTip == 1) {
        sPage += QStringLiteral("<script type=\"text/javascript\" defer src=\"") +
                 EscapeHtmlAttribute(context.sProjectBase + QStringLiteral("_ZEPtooltips.js")) +
                 QStringLiteral("\"></script>");
    }
    sPage += QStringLiteral("<script type=\"text/javascript\" src=\"zepInternal.js\" defer></script>");
    for (qsizetype i = iKeptLines; i < text.PreviewHTML.size(); ++i) {
        sPage += text.PreviewHTML.at(i);
    }
    return sPage;
}

bool WriteInternalScript(const TScriptContext& context, const TZEPInstance& instance, const QString& sContentScript,
                         const QString& sCmd, const QString& sModal) {
    QStringList lines;
    if (instance.bModal == 1) {
        AddModalMaskBlock(context, lines);
    }
    const QString sID = instance.GetScriptName();
    lines << QStringLiteral("var zep_") + sID + u'=' + sContentScript + u';';
    lines << CreateInstanceFunction(instance);
    lines << sID + QStringLiteral(".zep(\"") + sID + QStringLiteral("\",zep_") + sID + QStringLiteral(",\"") +
                 EscapeScriptString(instance.sTitle) + QStringLiteral("\");");
    const bool bPlain = instance.bToolTip != 1 && instance.bOnExit != 1 && instance.bMouseOver != 1 &&
                        instance.bMouseOut != 1 && instance.bOnClick != 1;
    if (!(sCmd + sModal).isEmpty() && bPlain) {
        lines << sCmd + sModal;
    }
    lines << QStringLiteral("function runCmdSet(){")
          << QStringLiteral("   ") + sCmd + (instance.bModal == 1 ? sModal : QString()) << QStringLiteral("}");
    return WriteTextLines(context.sProjectFolder + QStringLiteral("zepInternal.js"), lines);
}

QString WriteHostPage(const TScriptContext& context, const TZEPInstance& instance) {
    const QString sPath = context.sProjectFolder + QStringLiteral("zepInternal.html");
    const QStringList lines =
        instance.bModal == 1 ? context.oScript.ZEPModalInternalHTMLMemo : context.oScript.InternalHTMLMemo;
    return WriteTextLines(sPath, lines) ? sPath : QString();
}

QString TooltipScriptPath(const TScriptContext& context) {
    return context.sProjectFolder + context.sProjectBase + QStringLiteral("_ZEPtooltips.js");
}

bool WriteTooltipScript(const QString& sPath, const QString& sContentScript) {
    return WriteTextLines(sPath, QStringList{QStringLiteral("ZEPtooltip1=") + sContentScript});
}

bool PreparePreview(const TScriptContext& context, TZEPInstance& instance, TPreviewText& text, QString& sHostPage,
                    QString& sInternalPage) {
    sHostPage = WriteHostPage(context, instance);
    const QString sContentScript = instance.GetHTMLForScript();
    bool bWritten = !sHostPage.isEmpty();
    if (instance.bToolTip == 1 && context.oProject.bTemplate != 1) {
        bWritten = WriteTooltipScript(TooltipScriptPath(context), sContentScript) && bWritten;
    }
    context.oScript.InitialiseScript();
    const QString sCmd = GenerateCommandString(instance, instance.GetScriptName(), QString());
    const QString sModal = GenerateModalString(instance);
    if (instance.bModal == 1) {
        WriteMaskFiles(context, nullptr, true);
    }
    if (!BuildSingleInstancePreviewHTML(context, instance, text)) {
        return false;
    }
    sInternalPage = GetInternalPage(context, instance, text);
    return WriteInternalScript(context, instance, sContentScript, sCmd, sModal) && bWritten;
}
