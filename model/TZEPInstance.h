#pragma once

#include "PopupSchedule.h"
#include "TContentList.h"
#include "TFont.h"
#include "ZEPTypes.h"

#include <QString>
#include <QStringList>

class TProfileFile;
class TZEPProject;

// One popup with all its settings, its HTML lines, its content items and the
// names of its attached files. A plain record: the editor binds its fields to
// controls and the generators read them. Flags hold exactly 0 or 1.
class TZEPInstance {
public:
    // The only instance of a single-popup project.
    static constexpr int iSingleInstanceID = -1;
    // The project file stores at most this many attached file names.
    static constexpr int iMaxAttachedFiles = 12;

    // Creates an empty record owned by oParentProject (which may be null for a
    // free-standing record): every number, flag, colour and code 0, texts empty.
    explicit TZEPInstance(TZEPProject* oParentProject);
    TZEPInstance(const TZEPInstance&) = delete;
    TZEPInstance& operator=(const TZEPInstance&) = delete;

    int iInstanceID = iSingleInstanceID;
    QString sUniqueID;
    quint8 bTitleSelected = 0;
    QString sTitle;
    quint8 bURLSelected = 0;
    QString sURL;
    quint8 bOpenAfterSelected = 0;
    int iOpenAfterDelay = 0;
    quint8 bCloseAfterSelected = 0;
    int iCloseAfterDelay = 0;
    quint8 bPerSession = 0;
    CEntryEffect EntryEffect = eeNone;
    CExitEffect ExitEffect = xeNone;
    quint8 bOnExit = 0;
    quint8 bOnClick = 0;
    quint8 bMouseOver = 0;
    quint8 bMouseOut = 0;
    quint8 bModal = 0;
    quint8 bBorder = 0;
    int iBorderSize = 0;
    quint8 bShadow = 0;
    int iShadowSize = 0;
    quint8 bPadding = 0;
    int iPaddingSize = 0;
    quint8 bScrollBars = 0;
    quint8 bTransparentTitle = 0;
    quint8 bTransparentBackground = 0;
    quint32 BorderColour = 0;
    quint32 ShadowColour = 0;
    quint32 TitleColour = 0;
    quint32 TitleTextColour = 0;
    quint32 BackgroundColour = 0;
    quint32 TextPanelColour = 0;
    quint8 bCanMove = 0;
    quint8 bFromContent = 0;
    quint8 bCanClose = 0;
    quint8 bCanResize = 0;
    quint8 bFollowScroll = 0;
    int iWidth = 0;
    int iHeight = 0;
    int iTop = 0;
    int iLeft = 0;
    CLocation Location = ltManual;
    quint8 bUseCustom = 0;
    QString sCustomPath;
    quint8 bOncePer = 0;
    int iNunberDays = 0;
    quint8 bControlProbablility = 0;
    int iProbabilityPercent = 0;
    quint8 bSiteWide = 0;
    int iTryOnce = 0;
    int iTryAgain = 0;
    QString sImageLink;
    TFont Font;
    QStringList HTMLFile;
    quint8 bToolTip = 0;
    quint8 bVideo = 0;
    quint8 bRotationMode = 0;
    QStringList BinaryGraphicFiles; // relative to the project directory
    TContentList ContentStrings;
    // Section "SCHEDULE" + suffix, written only when it differs from the
    // defaults or the file holds the section already.
    TPopupSchedule Schedule;

    // Empties the content list.
    void Clear() { ContentStrings.Clear(); }
    QString GetLastError() const { return sLastError; }
    TZEPProject* Project() const { return oProject; }

    // Section suffix: empty for a single-popup instance, else the decimal id.
    QString Suffix() const;
    // The instance's HTML side file beside the project file sFullProject.
    QString HTMLFileName(const QString& sFullProject) const;

    // Reads the instance's sections (iInstanceID must be set) and its HTML
    // file; the content file beside sFullProject is read when it exists.
    bool LoadFromIniFile(const TProfileFile& fProjFile, const QString& sFullProject);
    // The same with the project's content file already read.
    bool LoadFromIniFile(const TProfileFile& fProjFile, const QString& sFullProject, const TContentFile& contentFile);
    // Writes the instance's keys, its HTML file and its attached files,
    // copying attached files from the project's loaded directory when needed.
    // An HTML file that holds the same bytes already is left alone; when it is
    // written, fProjFile is marked modified.
    bool SaveToIniFile(TProfileFile& fProjFile, const QString& sFullProject);
    // Copies the attached files from sSrcDir into the top of the project
    // directory (used when a popup is imported from another project).
    bool CopyAttachedFiles(const QString& sSrcDir);

    // The popup's name in generated script: the unique id trimmed. Every
    // generator names the popup by this one value.
    QString GetScriptName() const;
    // "zep_" followed by the trimmed unique id: the name of item 0's variable.
    QString GetContentIndex() const;
    // The content index of instance iInstanceID as the project file holds it,
    // read before the instance itself is loaded.
    static QString ReadContentIndex(const TProfileFile& fProjFile, int iInstanceID);
    // The HTML as one double-quoted script string (line ends become blanks).
    QString GetHTMLForScript() const;
    // Refreshes content item 0 from the HTML, size, position and location.
    void UpdateContentFromHTML();
    // The first content item with that number, or null.
    const TContentItem* GetContentObjectForID(int iID) const;
    TContentItem* GetContentObjectForID(int iID);

private:
    static QString ContentIndexFor(const QString& sUniqueID);
    bool ReadSettings(const TProfileFile& fProjFile);
    void WriteSettings(TProfileFile& fProjFile) const;
    void ReadAttachedFiles(const TProfileFile& fProjFile);
    bool WriteAttachedFiles(TProfileFile& fProjFile, const QString& sFullProject);
    bool Fail(const QString& sMessage);

    QString sLastError;
    TZEPProject* oProject = nullptr;
};
