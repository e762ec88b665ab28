#include "TZEPInstance.h"

#include "ProjectFiles.h"
#include "ScriptString.h"
#include "StringUtils.h"
#include "TProfileFile.h"
#include "TZEPProject.h"
#include "TextFile.h"

#include <QFile>
#include <QFileInfo>

#include <climits>
#include <cstring>

namespace {

const QString sDefaultTitle = QStringLiteral("Welcome to Brisola - getting started");
const QString sDefaultURL = QStringLiteral("https://brisola.example/");

// Swaps the lowest and the third byte: the project file stores colours with
// red in bits 16 to 23, the record with red in bits 0 to 7. Bits above 23 go.
quint32 SwapRedBlue(quint32 Colour) {
    return ((Colour & 0xFFu) << 16) | (Colour & 0xFF00u) | ((Colour >> 16) & 0xFFu);
}

// The name of an instance section: the section word and the suffix. The keys
// come section by section, so the name is built once per run of keys.
class TSectionName {
public:
    const QString& For(const char* sWord, const QString& sSuffix) {
        if (!sLastWord || std::strcmp(sLastWord, sWord) != 0) {
            sLastWord = sWord;
            sName = QLatin1String(sWord) + sSuffix;
        }
        return sName;
    }

private:
    const char* sLastWord = nullptr;
    QString sName;
};

// Reads the instance's keys from the project file into the record.
class TSettingsReader {
public:
    TSettingsReader(const TProfileFile& fProjFile, const QString& sSuffix, QString& sError)
        : fProjFile(fProjFile), sSuffix(sSuffix), sError(sError) {}

    bool Text(const char* sSection, const char* sKey, QString& sField, const QString& sDefault) {
        sField = fProjFile.ReadString(Section(sSection), sKey, sDefault);
        return true;
    }
    bool Flag(const char* sSection, const char* sKey, quint8& bField, int iDefault) {
        bField = fProjFile.ReadBool(Section(sSection), sKey, iDefault != 0) ? 1 : 0;
        return true;
    }
    bool Integer(const char* sSection, const char* sKey, int& iField, int iDefault) {
        iField = fProjFile.ReadInteger(Section(sSection), sKey, iDefault);
        return true;
    }
    bool Colour(const char* sSection, const char* sKey, quint32& Field, quint32 FileDefault) {
        Field = SwapRedBlue(quint32(fProjFile.ReadInteger(Section(sSection), sKey, int(FileDefault))));
        return true;
    }
    template <class TEnum>
    bool Enumeration(const char* sSection, const char* sKey, TEnum& Field, int iCount, const char* sMessage) {
        const int iValue = fProjFile.ReadInteger(Section(sSection), sKey, 0);
        if (iValue < 0 || iValue >= iCount) {
            sError = QString::fromLatin1(sMessage);
            return false;
        }
        Field = TEnum(iValue);
        return true;
    }
    bool Font(const char* sSection, const char* sKey, TFont& Field) {
        const QString sSectionName = Section(sSection);
        Field = fProjFile.ValueExists(sSectionName, sKey) ? TextToFont(fProjFile.ReadString(sSectionName, sKey, {}))
                                                          : TFont();
        return true;
    }

private:
    const QString& Section(const char* sSection) { return SectionName.For(sSection, sSuffix); }

    const TProfileFile& fProjFile;
    const QString& sSuffix;
    QString& sError;
    TSectionName SectionName;
};

// Writes the record's fields as the instance's keys.
class TSettingsWriter {
public:
    TSettingsWriter(TProfileFile& fProjFile, const QString& sSuffix) : fProjFile(fProjFile), sSuffix(sSuffix) {}

    bool Text(const char* sSection, const char* sKey, const QString& sField, const QString&) {
        fProjFile.WriteString(Section(sSection), sKey, sField);
        return true;
    }
    bool Flag(const char* sSection, const char* sKey, quint8 bField, int) {
        fProjFile.WriteInteger(Section(sSection), sKey, bField);
        return true;
    }
    bool Integer(const char* sSection, const char* sKey, int iField, int) {
        fProjFile.WriteInteger(Section(sSection), sKey, iField);
        return true;
    }
    bool Colour(const char* sSection, const char* sKey, quint32 Field, quint32) {
        fProjFile.WriteInteger(Section(sSection), sKey, int(SwapRedBlue(Field)));
        return true;
    }
    template <class TEnum> bool Enumeration(const char* sSection, const char* sKey, TEnum Field, int, const char*) {
        fProjFile.WriteInteger(Section(sSection), sKey, int(Field));
        return true;
    }
    bool Font(const char* sSection, const char* sKey, const TFont& Field) {
        fProjFile.WriteString(Section(sSection), sKey, FontToText(Field));
        return true;
    }

private:
    const QString& Section(const char* sSection) { return SectionName.For(sSection, sSuffix); }

    TProfileFile& fProjFile;
    const QString& sSuffix;
    TSectionName SectionName;
};

// Collects every key with its field's value as text.
class TSettingsTexts {
public:
    QList<QPair<QString, QString>> Texts;

    bool Text(const char*, const char* sKey, const QString& sField, const QString&) { return Add(sKey, sField); }
    bool Flag(const char*, const char* sKey, quint8 bField, int) { return Add(sKey, QString::number(bField)); }
    bool Integer(const char*, const char* sKey, int iField, int) { return Add(sKey, QString::number(iField)); }
    bool Colour(const char*, const char* sKey, quint32 Field, quint32) { return Add(sKey, QString::number(Field)); }
    template <class TEnum> bool Enumeration(const char*, const char* sKey, TEnum Field, int, const char*) {
        return Add(sKey, QString::number(int(Field)));
    }
    bool Font(const char*, const char* sKey, const TFont& Field) { return Add(sKey, FontToText(Field)); }

private:
    bool Add(const char* sKey, const QString& sValue) {
        Texts.append({QLatin1String(sKey), sValue});
        return true;
    }
};

// Sets the one field of a key from its text; stops the walk once it is found.
class TSettingAssigner {
public:
    TSettingAssigner(const QString& sKey, const QString& sValue) : sKey(sKey), sValue(sValue) {}
    bool bFound = false;
    bool bValid = false;

    bool Text(const char*, const char* sName, QString& sField, const QString&) {
        return Visit(sName, [&] {
            sField = sValue;
            return true;
        });
    }
    bool Flag(const char*, const char* sName, quint8& bField, int) {
        return Visit(sName, [&] { return Number(0, 1, [&](qint64 i) { bField = quint8(i); }); });
    }
    bool Integer(const char*, const char* sName, int& iField, int) {
        return Visit(sName, [&] { return Number(INT_MIN, INT_MAX, [&](qint64 i) { iField = int(i); }); });
    }
    bool Colour(const char*, const char* sName, quint32& Field, quint32) {
        return Visit(sName, [&] { return Number(0, UINT_MAX, [&](qint64 i) { Field = quint32(i); }); });
    }
    template <class TEnum> bool Enumeration(const char*, const char* sName, TEnum& Field, int iCount, const char*) {
        return Visit(sName, [&] { return Number(0, iCount - 1, [&](qint64 i) { Field = TEnum(i); }); });
    }
    bool Font(const char*, const char* sName, TFont& Field) {
        return Visit(sName, [&] {
            Field = TextToFont(sValue);
            return true;
        });
    }

private:
    template <class TSet> bool Visit(const char* sName, TSet set) {
        if (sKey != QLatin1String(sName))
            return true;
        bFound = true;
        bValid = set();
        return false;
    }
    template <class TStore> bool Number(qint64 iLow, qint64 iHigh, TStore store) const {
        bool bOk = false;
        const qint64 iValue = sValue.toLongLong(&bOk);
        if (!bOk || iValue < iLow || iValue > iHigh)
            return false;
        store(iValue);
        return true;
    }

    const QString& sKey;
    const QString& sValue;
};

// Every instance key from "REFERENCE" to "ADDITIONAL_OPTIONS", in the order
// of reading and writing, with its default. Stops at the first key the
// visitor refuses (a code outside its enumeration).
template <class TInstance, class TVisitor> bool VisitSettings(TInstance& o, TVisitor& v) {
    return v.Text("REFERENCE", "UniqueID", o.sUniqueID, QString()) &&
           v.Flag("REFERENCE", "TitleSelected", o.bTitleSelected, 1) &&
           v.Text("REFERENCE", "Title", o.sTitle, sDefaultTitle) &&
           v.Flag("REFERENCE", "URLSelected", o.bURLSelected, 0) && v.Text("REFERENCE", "URL", o.sURL, sDefaultURL) &&
           v.Flag("METHOD", "OpenAfterSelected", o.bOpenAfterSelected, 0) &&
           v.Integer("METHOD", "OpenAfterDelay", o.iOpenAfterDelay, 0) &&
           v.Flag("METHOD", "CloseAfterSelected", o.bCloseAfterSelected, 0) &&
           v.Integer("METHOD", "CloseAfterDelay", o.iCloseAfterDelay, 0) &&
           v.Flag("METHOD", "PerSessionSelected", o.bPerSession, 0) &&
           v.Enumeration("METHOD", "EntryEffect", o.EntryEffect, iEntryEffectCount, "Illegal value for Entry Effect") &&
           v.Enumeration("METHOD", "ExitEffect", o.ExitEffect, iExitEffectCount, "Illegal value for Exit Effect") &&
           v.Flag("METHOD", "OnExitSelected", o.bOnExit, 0) && v.Flag("METHOD", "OnClickSelected", o.bOnClick, 0) &&
           v.Flag("METHOD", "MouseOverSelected", o.bMouseOver, 0) &&
           v.Flag("METHOD", "MouseOutSelected", o.bMouseOut, 0) && v.Flag("METHOD", "Modal", o.bModal, 0) &&
           v.Flag("APPEARANCE", "BorderSelected", o.bBorder, 0) &&
           v.Integer("APPEARANCE", "BorderSize", o.iBorderSize, 0) &&
           v.Flag("APPEARANCE", "ShadowSelected", o.bShadow, 0) &&
           v.Integer("APPEARANCE", "ShadowSize", o.iShadowSize, 0) &&
           v.Flag("APPEARANCE", "PaddingSelected", o.bPadding, 0) &&
           v.Integer("APPEARANCE", "PaddingSize", o.iPaddingSize, 0) &&
           v.Flag("APPEARANCE", "ScrollBarsSelected", o.bScrollBars, 0) &&
           v.Flag("APPEARANCE", "TitleTransparentSelected", o.bTransparentTitle, 0) &&
           v.Flag("APPEARANCE", "BackgroundTransparentSelected", o.bTransparentBackground, 0) &&
           v.Colour("APPEARANCE", "BorderColour", o.BorderColour, 8421504) &&
           v.Colour("APPEARANCE", "ShadowColour", o.ShadowColour, 8421504) &&
           v.Colour("APPEARANCE", "TitleColour", o.TitleColour, 65535) &&
           v.Colour("APPEARANCE", "TitleTextColour", o.TitleTextColour, 128) &&
           v.Colour("APPEARANCE", "BackgroundColour", o.BackgroundColour, 12632256) &&
           v.Colour("APPEARANCE", "TextPanelColour", o.TextPanelColour, 8404992) &&
           v.Flag("SIZE_POSITION", "CanMoveSelected", o.bCanMove, 0) &&
           v.Flag("SIZE_POSITION", "FromContentSelected", o.bFromContent, 0) &&
           v.Flag("SIZE_POSITION", "CanCloseSelected", o.bCanClose, 0) &&
           v.Flag("SIZE_POSITION", "CanResizeSelected", o.bCanResize, 0) &&
           v.Flag("SIZE_POSITION", "FollowScrollSelected", o.bFollowScroll, 0) &&
           v.Integer("SIZE_POSITION", "Width", o.iWidth, 350) && v.Integer("SIZE_POSITION", "Height", o.iHeight, 210) &&
           v.Integer("SIZE_POSITION", "Top", o.iTop, 10) && v.Integer("SIZE_POSITION", "Left", o.iLeft, 25) &&
           v.Enumeration("SIZE_POSITION", "Location", o.Location, iLocationCount, "Illegal value for Location") &&
           v.Flag("ADVANCED_REFERENCE", "UseCustomSelected", o.bUseCustom, 0) &&
           v.Text("ADVANCED_REFERENCE", "CustomPath", o.sCustomPath, QString()) &&
           v.Flag("ADVANCED_METHODS", "OncePerSelected", o.bOncePer, 0) &&
           v.Integer("ADVANCED_METHODS", "NumberOfDays", o.iNunberDays, 0) &&
           v.Flag("ADVANCED_METHODS", "ControlProbabilitySelected", o.bControlProbablility, 0) &&
           v.Integer("ADVANCED_METHODS", "Probability", o.iProbabilityPercent, 100) &&
           v.Flag("ADVANCED_METHODS", "SiteWide", o.bSiteWide, 0) &&
           v.Integer("ADVANCED_METHODS", "TryOnce", o.iTryOnce, 0) &&
           v.Integer("ADVANCED_METHODS", "TryAgain", o.iTryAgain, 0) &&
           v.Text("ADVANCED_METHODS", "ImageLink", o.sImageLink, QString()) &&
           v.Font("ADVANCED_APPEARANCE", "Font", o.Font) && v.Flag("ADDITIONAL_OPTIONS", "ToolTip", o.bToolTip, 0) &&
           v.Flag("ADDITIONAL_OPTIONS", "Rotation", o.bRotationMode, 0);
}

// The keys of section "SCHEDULE", in the order of reading and writing.
template <class TSchedule, class TVisitor> bool VisitSchedule(TSchedule& s, TVisitor& v) {
    static const TPopupSchedule d;
    return v.Flag("SCHEDULE", "ScheduleSelected", s.bScheduleSelected, d.bScheduleSelected) &&
           v.Text("SCHEDULE", "StartDate", s.sStartDate, d.sStartDate) &&
           v.Text("SCHEDULE", "StartTime", s.sStartTime, d.sStartTime) &&
           v.Text("SCHEDULE", "EndDate", s.sEndDate, d.sEndDate) &&
           v.Text("SCHEDULE", "EndTime", s.sEndTime, d.sEndTime) &&
           v.Text("SCHEDULE", "Weekdays", s.sWeekdays, d.sWeekdays) &&
           v.Text("SCHEDULE", "FromTime", s.sFromTime, d.sFromTime) &&
           v.Text("SCHEDULE", "ToTime", s.sToTime, d.sToTime) &&
           v.Text("SCHEDULE", "TimeZone", s.sTimeZone, d.sTimeZone) &&
           v.Integer("SCHEDULE", "AfterPageViews", s.iAfterPageViews, d.iAfterPageViews) &&
           v.Integer("SCHEDULE", "MaxShows", s.iMaxShows, d.iMaxShows) &&
           v.Integer("SCHEDULE", "MaxShowsDays", s.iMaxShowsDays, d.iMaxShowsDays) &&
           v.Integer("SCHEDULE", "Priority", s.iPriority, d.iPriority);
}

} // namespace

TZEPInstance::TZEPInstance(TZEPProject* oParentProject) : oProject(oParentProject) {
    // Unlike the file defaults, a new record starts from zero everywhere.
    Clear();
}

namespace {

QString SuffixFor(int iInstanceID) {
    return iInstanceID == TZEPInstance::iSingleInstanceID ? QString() : QString::number(iInstanceID);
}

} // namespace

QString TZEPInstance::Suffix() const {
    return SuffixFor(iInstanceID);
}

QString TZEPInstance::HTMLFileName(const QString& sFullProject) const {
    const QString sBase = ProjectDirectory(sFullProject) + ProjectStem(sFullProject);
    return iInstanceID == iSingleInstanceID ? sBase + ".html" : sBase + '(' + QString::number(iInstanceID) + ").html";
}

bool TZEPInstance::Fail(const QString& sMessage) {
    sLastError = sMessage;
    return false;
}

bool TZEPInstance::LoadFromIniFile(const TProfileFile& fProjFile, const QString& sFullProject) {
    TContentFile contentFile;
    const QString sContentFile = ContentFileName(sFullProject);
    if (!contentFile.Load(sContentFile)) {
        sLastError = contentFile.GetLastError();
        return false;
    }
    return LoadFromIniFile(fProjFile, sFullProject, contentFile);
}

bool TZEPInstance::LoadFromIniFile(const TProfileFile& fProjFile, const QString& sFullProject,
                                   const TContentFile& contentFile) {
    sLastError.clear();
    const QString sSuffix = Suffix();
    if (fProjFile.ReadSection("REFERENCE" + sSuffix).isEmpty()) {
        return Fail("Instance " + QString::number(iInstanceID) + " does not exist in this project");
    }
    if (!ReadSettings(fProjFile)) {
        return false;
    }
    bVideo = 0;
    ContentStrings.LoadInstanceContent(contentFile, GetContentIndex());
    ContentStrings.LoadObjects(fProjFile, "CONTENT" + sSuffix);
    HTMLFile.clear();
    const QString sHTMLFile = HTMLFileName(sFullProject);
    QString sReason;
    if (!ReadTextLines(sHTMLFile, HTMLFile, &sReason)) {
        return Fail("Error loading HTML file <" + sHTMLFile + ">" + ReasonSuffix(sReason));
    }
    UpdateContentFromHTML();
    ReadAttachedFiles(fProjFile);
    return true;
}

std::unique_ptr<TZEPInstance> TZEPInstance::Clone(TZEPProject* oOwner) const {
    std::unique_ptr<TZEPInstance> oCopy(new TZEPInstance(*this));
    oCopy->oProject = oOwner;
    return oCopy;
}

QList<QPair<QString, QString>> TZEPInstance::SettingTexts() const {
    TSettingsTexts texts;
    VisitSettings(*this, texts);
    return texts.Texts;
}

bool TZEPInstance::SetSettingText(const QString& sKey, const QString& sValue) {
    TSettingAssigner assigner(sKey, sValue);
    VisitSettings(*this, assigner);
    return assigner.bFound && assigner.bValid;
}

bool TZEPInstance::ReadSettings(const TProfileFile& fProjFile) {
    const QString sSuffix = Suffix();
    TSettingsReader reader(fProjFile, sSuffix, sLastError);
    return VisitSettings(*this, reader) && VisitSchedule(Schedule, reader);
}

void TZEPInstance::WriteSettings(TProfileFile& fProjFile) const {
    const QString sSuffix = Suffix();
    TSettingsWriter writer(fProjFile, sSuffix);
    VisitSettings(*this, writer);
    fProjFile.WriteInteger("SYSTEM" + sSuffix, "Video", bVideo);
    // A project that never used a schedule keeps its file as it was; once the
    // section is there it is kept up to date, also for an instance that took
    // over another's number.
    if (!(Schedule == TPopupSchedule()) || fProjFile.SectionExists("SCHEDULE" + sSuffix)) {
        VisitSchedule(Schedule, writer);
    }
}

bool TZEPInstance::SaveToIniFile(TProfileFile& fProjFile, const QString& sFullProject) {
    sLastError.clear();
    WriteSettings(fProjFile);
    ContentStrings.SaveObjects(fProjFile, "CONTENT" + Suffix());
    const QString sHTMLFile = HTMLFileName(sFullProject);
    if (!WriteSideFile(fProjFile, sHTMLFile, HTMLFile)) {
        return Fail("Error saving HTML file <" + sHTMLFile + ">");
    }
    return WriteAttachedFiles(fProjFile, sFullProject);
}

QString TZEPInstance::GetScriptName() const {
    return TrimText(sUniqueID);
}

QString TZEPInstance::GetContentIndex() const {
    return ContentIndexFor(sUniqueID);
}

QString TZEPInstance::ContentIndexFor(const QString& sUniqueID) {
    return "zep_" + TrimText(sUniqueID);
}

QString TZEPInstance::ReadContentIndex(const TProfileFile& fProjFile, int iInstanceID) {
    return ContentIndexFor(fProjFile.ReadString("REFERENCE" + SuffixFor(iInstanceID), "UniqueID", QString()));
}

namespace {

char16_t AsciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

// True when sFind stands at iAt, its letters in any case. Only ASCII letters match their other case, as browsers
// match tag names; a Unicode case fold would also take the long s for an s.
bool StandsAt(const QString& sText, qsizetype iAt, QLatin1String sFind) {
    if (sText.size() - iAt < sFind.size()) {
        return false;
    }
    for (qsizetype i = 0; i < sFind.size(); ++i) {
        if (AsciiLower(sText.at(iAt + i).unicode()) != AsciiLower(char16_t(uchar(sFind.at(i).toLatin1())))) {
            return false;
        }
    }
    return true;
}

// Every occurrence of sFind, its letters in any case, replaced by sBy. The
// text between occurrences is copied in one piece.
QString ReplaceIgnoringCase(const QString& sText, QLatin1String sFind, const QString& sBy) {
    QString sResult;
    sResult.reserve(sText.size());
    // Searching for the first character finds every place where sFind may
    // stand (and a few more, which StandsAt turns down); a first character
    // without letter case is searched for as it is, which is much faster.
    const QChar first = sFind.front();
    const Qt::CaseSensitivity cs = first.isLetter() ? Qt::CaseInsensitive : Qt::CaseSensitive;
    qsizetype iCopied = 0;
    qsizetype iAt = sText.indexOf(first, 0, cs);
    while (iAt >= 0) {
        if (StandsAt(sText, iAt, sFind)) {
            sResult += QStringView(sText).mid(iCopied, iAt - iCopied);
            sResult += sBy;
            iCopied = iAt + sFind.size();
            iAt = sText.indexOf(first, iCopied, cs);
        } else {
            iAt = sText.indexOf(first, iAt + 1, cs);
        }
    }
    sResult += QStringView(sText).mid(iCopied);
    return sResult;
}

} // namespace

QString TZEPInstance::GetHTMLForScript() const {
    // Every script element becomes a deferred script after a placeholder element, so that browsers which insert
    // the content as inner HTML run it.
    // Every line end, the last one included, becomes a blank; so does a line
    // feed within a line, while a carriage return goes.
    QString sText = ReplaceIgnoringCase(
        HTMLFile.isEmpty() ? QString() : HTMLFile.join(u' ') + u' ', QLatin1String("<SCRIPT"),
        QStringLiteral("<div style=\"\"position:absolute;top:0px;left:0px;\"\">&nbsp;</div><script defer"));
    if (sText.contains(u'\r')) {
        sText.remove(u'\r');
    }
    if (sText.contains(u'\n')) {
        sText.replace(u'\n', u' ');
    }
    return QuoteScriptString(sText);
}

void TZEPInstance::UpdateContentFromHTML() {
    ContentStrings.AddContent(*this, GetHTMLForScript(), GetContentIndex(), 0);
}

const TContentItem* TZEPInstance::GetContentObjectForID(int iID) const {
    const int iIndex = ContentStrings.FindContentIndex(iID);
    return iIndex < 0 ? nullptr : &ContentStrings.Item(iIndex);
}

TContentItem* TZEPInstance::GetContentObjectForID(int iID) {
    const int iIndex = ContentStrings.FindContentIndex(iID);
    return iIndex < 0 ? nullptr : &ContentStrings.Item(iIndex);
}
