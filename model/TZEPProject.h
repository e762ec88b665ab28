#pragma once

#include "TZEPInstance.h"
#include "ZEPTypes.h"

#include <QString>

#include <memory>
#include <vector>

class TProfileFile;

// The project's instances in order, each with its caption (the instance's
// unique id when it was added; the editor shows it on the instance's tab).
// The list owns its instances.
class TInstanceList {
public:
    struct TEntry {
        QString sCaption;
        std::unique_ptr<TZEPInstance> oInstance;
    };

    int Count() const { return int(Entries.size()); }
    bool IsEmpty() const { return Entries.empty(); }
    const QString& Caption(int iIndex) const { return Entries[size_t(iIndex)].sCaption; }
    void SetCaption(int iIndex, const QString& sCaption) { Entries[size_t(iIndex)].sCaption = sCaption; }
    TZEPInstance& Instance(int iIndex) { return *Entries[size_t(iIndex)].oInstance; }
    const TZEPInstance& Instance(int iIndex) const { return *Entries[size_t(iIndex)].oInstance; }

    // Appends the instance, captioned with its unique id; returns it.
    TZEPInstance& Add(std::unique_ptr<TZEPInstance> oInstance);
    TZEPInstance& Insert(int iIndex, std::unique_ptr<TZEPInstance> oInstance);
    // Takes the instance out of the list and hands it to the caller.
    std::unique_ptr<TZEPInstance> Take(int iIndex);
    void Delete(int iIndex) { Take(iIndex); }
    void Move(int iFrom, int iTo);
    void Clear() { Entries.clear(); }
    // Position of the instance in the list, or -1.
    int IndexOf(const TZEPInstance* oInstance) const;

    auto begin() const { return Entries.begin(); }
    auto end() const { return Entries.end(); }

private:
    std::vector<TEntry> Entries;
};

// A project: its instances and the project-wide options, read from and
// written to the project file with the instances' side files.
class TZEPProject {
public:
    TZEPProject() = default;
    TZEPProject(const TZEPProject&) = delete;
    TZEPProject& operator=(const TZEPProject&) = delete;

    int iProjectID = 0;
    TInstanceList InstanceList;
    QString sFullProjectName;   // full path of the project file
    QString sLoadedProjectPath; // directory (with trailing separator) last loaded from
    quint8 bTemplate = 0;
    quint8 bMultipleInstances = 0;
    quint8 bMultipleSequentialLayers = 0;
    CAddedCodeOption AddedCodeOption = acNoAddedCode;
    quint8 bIncludeDynamicFunctions = 0;
    quint8 bDynamicContent = 0;
    quint8 bTurnOffAudio = 0;
    quint8 bCoverBoxes = 0;
    quint8 bStrictCSP = 0; // links the compile prints carry no inline script, for pages with a strict policy
    CInitialisationOptions InitialisationOption = ioRunWhenPageLoaded;
    // Of the popups that show by themselves, only the one with the highest
    // priority shows on a page view.
    quint8 bOnePopupPerPage = 0;

    // Fills the record and its instances from the project file; with
    // bTemplateRequired a file that is not a template is refused.
    bool LoadFromIniFile(const TProfileFile& fProjFile, bool bTemplateRequired);
    // Writes the record and every instance (renumbering them to their list
    // positions) and, with dynamic content on, the content file. Side files
    // whose bytes are unchanged are left alone; when one was written, fProjFile
    // is marked modified. The caller writes fProjFile to disk with UpdateFile
    // afterwards, which writes nothing when nothing changed.
    bool SaveToIniFile(TProfileFile& fProjFile);
    QString GetLastError() const { return sLastError; }

    // A new instance owned by this project (not yet in the list).
    std::unique_ptr<TZEPInstance> CreateInstance() { return std::make_unique<TZEPInstance>(this); }

private:
    // The content indexes of the instances the file holds, before they are loaded.
    static QStringList ReadContentIndexes(const TProfileFile& fProjFile, int iInstances);
    bool LoadInstance(const TProfileFile& fProjFile, int iInstanceID, const TContentFile& contentFile);
    void ReadOptions(const TProfileFile& fProjFile);
    void WriteOptions(TProfileFile& fProjFile, int iInstanceCount) const;
    bool Fail(const QString& sMessage);

    QString sLastError;
};
