#include "TZEPProject.h"

#include "ProjectFiles.h"
#include "TProfileFile.h"

// ---------------------------------------------------------------------------
// TInstanceList

TZEPInstance& TInstanceList::Add(std::unique_ptr<TZEPInstance> oInstance) {
    return Insert(Count(), std::move(oInstance));
}

TZEPInstance& TInstanceList::Insert(int iIndex, std::unique_ptr<TZEPInstance> oInstance) {
    TZEPInstance& instance = *oInstance;
    Entries.insert(Entries.begin() + iIndex, TEntry{instance.sUniqueID, std::move(oInstance)});
    return instance;
}

std::unique_ptr<TZEPInstance> TInstanceList::Take(int iIndex) {
    std::unique_ptr<TZEPInstance> oInstance = std::move(Entries[size_t(iIndex)].oInstance);
    Entries.erase(Entries.begin() + iIndex);
    return oInstance;
}

void TInstanceList::Move(int iFrom, int iTo) {
    TEntry entry = std::move(Entries[size_t(iFrom)]);
    Entries.erase(Entries.begin() + iFrom);
    Entries.insert(Entries.begin() + iTo, std::move(entry));
}

int TInstanceList::IndexOf(const TZEPInstance* oInstance) const {
    for (size_t i = 0; i < Entries.size(); ++i) {
        if (Entries[i].oInstance.get() == oInstance) {
            return int(i);
        }
    }
    return -1;
}

// ---------------------------------------------------------------------------
// TZEPProject

bool TZEPProject::Fail(const QString& sMessage) {
    sLastError = sMessage;
    return false;
}

bool TZEPProject::LoadFromIniFile(const TProfileFile& fProjFile, bool bTemplateRequired) {
    sLastError.clear();
    bTemplate = fProjFile.ReadBool("SYSTEM", "Template", false) ? 1 : 0;
    if (bTemplateRequired && !bTemplate) {
        return Fail("The file <" + sFullProjectName + "> is not a project template");
    }
    // The content file is read once for all instances. Layers that cannot be
    // read must not vanish silently: the next save would overwrite them.
    TContentFile contentFile;
    if (!contentFile.Load(ContentFileName(sFullProjectName))) {
        return Fail(contentFile.GetLastError());
    }
    const int iInstances = fProjFile.ReadInteger("SYSTEM", "Instances", 0);
    contentFile.SetProjectIndexes(ReadContentIndexes(fProjFile, iInstances));
    InstanceList.Clear();
    if (iInstances <= 0) {
        bMultipleInstances = 0;
        if (!LoadInstance(fProjFile, TZEPInstance::iSingleInstanceID, contentFile)) {
            return false;
        }
    } else {
        bMultipleInstances = 1;
        // Each instance needs its own reference section, so a huge count stops
        // at the first instance the file does not hold.
        for (int k = 0; k < iInstances; ++k) {
            if (!LoadInstance(fProjFile, k, contentFile)) {
                return false;
            }
        }
    }
    ReadOptions(fProjFile);
    return true;
}

QStringList TZEPProject::ReadContentIndexes(const TProfileFile& fProjFile, int iInstances) {
    if (iInstances <= 0) {
        return {TZEPInstance::ReadContentIndex(fProjFile, TZEPInstance::iSingleInstanceID)};
    }
    // Only instances with a reference section load, so a huge count stops at the first missing one.
    QStringList indexes;
    for (int k = 0; k < iInstances && fProjFile.SectionExists("REFERENCE" + QString::number(k)); ++k) {
        indexes << TZEPInstance::ReadContentIndex(fProjFile, k);
    }
    return indexes;
}

bool TZEPProject::LoadInstance(const TProfileFile& fProjFile, int iInstanceID, const TContentFile& contentFile) {
    auto oInstance = CreateInstance();
    oInstance->iInstanceID = iInstanceID;
    if (!oInstance->LoadFromIniFile(fProjFile, sFullProjectName, contentFile)) {
        return Fail("Object loading error <" + oInstance->GetLastError() + ">");
    }
    InstanceList.Add(std::move(oInstance));
    return true;
}

void TZEPProject::ReadOptions(const TProfileFile& fProjFile) {
    bMultipleSequentialLayers = fProjFile.ReadBool("SYSTEM", "MultipleSequentialLayers", false) ? 1 : 0;
    bIncludeDynamicFunctions = fProjFile.ReadBool("OPTIONS", "IncludeDynamicFunctions", true) ? 1 : 0;
    bDynamicContent = fProjFile.ReadBool("OPTIONS", "DynamicContent", true) ? 1 : 0;
    bTurnOffAudio = fProjFile.ReadBool("OPTIONS", "TurnOffAudio", false) ? 1 : 0;
    bCoverBoxes = fProjFile.ReadBool("OPTIONS", "CoverBoxes", false) ? 1 : 0;
    bStrictCSP = fProjFile.ReadBool("OPTIONS", "StrictCSP", false) ? 1 : 0;
    InitialisationOption =
        CInitialisationOptions(quint8(fProjFile.ReadInteger("OPTIONS", "InitialisationOption", ioRunWhenPageLoaded)));
    bOnePopupPerPage = fProjFile.ReadBool("OPTIONS", "OnePopupPerPage", false) ? 1 : 0;
    const int iAddedCode = fProjFile.ReadInteger("ADDITIONAL_OPTIONS", "AddedCode", acNoAddedCode);
    AddedCodeOption = iAddedCode == acDontShowAgainCode ? acDontShowAgainCode : acNoAddedCode;
}

void TZEPProject::WriteOptions(TProfileFile& fProjFile, int iInstanceCount) const {
    fProjFile.WriteInteger("SYSTEM", "Instances", iInstanceCount);
    fProjFile.WriteInteger("SYSTEM", "MultipleSequentialLayers", bMultipleSequentialLayers);
    fProjFile.WriteInteger("OPTIONS", "IncludeDynamicFunctions", bIncludeDynamicFunctions);
    fProjFile.WriteInteger("OPTIONS", "DynamicContent", bDynamicContent);
    fProjFile.WriteInteger("OPTIONS", "TurnOffAudio", bTurnOffAudio);
    fProjFile.WriteInteger("OPTIONS", "CoverBoxes", bCoverBoxes);
    fProjFile.WriteInteger("OPTIONS", "InitialisationOption", InitialisationOption);
    // Written once used, so a project without it keeps its file as it was.
    if (bOnePopupPerPage || fProjFile.ValueExists("OPTIONS", "OnePopupPerPage")) {
        fProjFile.WriteInteger("OPTIONS", "OnePopupPerPage", bOnePopupPerPage);
    }
    if (bStrictCSP || fProjFile.ValueExists("OPTIONS", "StrictCSP")) {
        fProjFile.WriteInteger("OPTIONS", "StrictCSP", bStrictCSP);
    }
    fProjFile.WriteInteger("ADDITIONAL_OPTIONS", "AddedCode", AddedCodeOption);
}

bool TZEPProject::SaveToIniFile(TProfileFile& fProjFile) {
    sLastError.clear();
    const QString sContentFile = ContentFileName(sFullProjectName);
    fProjFile.WriteInteger("SYSTEM", "Template", 0);
    int iInstanceCount = 0;
    if (!InstanceList.IsEmpty()) {
        const int iSaved = bMultipleInstances ? InstanceList.Count() : 1;
        QStringList contentLines;
        for (int k = 0; k < iSaved; ++k) {
            TZEPInstance& instance = InstanceList.Instance(k);
            instance.iInstanceID = bMultipleInstances ? k : TZEPInstance::iSingleInstanceID;
            if (!instance.SaveToIniFile(fProjFile, sFullProjectName)) {
                return Fail("Object saving error <" + instance.GetLastError() + ">");
            }
            contentLines += instance.ContentStrings.Lines();
        }
        if (bDynamicContent && !WriteSideFile(fProjFile, sContentFile, contentLines)) {
            return Fail("Content saving error <" + sContentFile + ">");
        }
        iInstanceCount = bMultipleInstances ? InstanceList.Count() : 0;
    }
    WriteOptions(fProjFile, iInstanceCount);
    return true;
}
