#include "InstanceExport.h"

#include "TProfileFile.h"
#include "TZEPProject.h"

namespace {

// The project-wide options of oSource, for a project of the one instance.
void CopyOptions(const TZEPProject& oSource, const TZEPInstance& oInstance, TZEPProject& oTarget) {
    oTarget.bMultipleInstances = 0;
    oTarget.bMultipleSequentialLayers = oSource.bMultipleSequentialLayers;
    oTarget.AddedCodeOption = oSource.AddedCodeOption;
    oTarget.bIncludeDynamicFunctions = oSource.bIncludeDynamicFunctions;
    oTarget.bDynamicContent = oInstance.ContentStrings.Count() > 1 ? 1 : oSource.bDynamicContent;
    oTarget.bTurnOffAudio = oSource.bTurnOffAudio;
    oTarget.bCoverBoxes = oSource.bCoverBoxes;
    oTarget.bStrictCSP = oSource.bStrictCSP;
    oTarget.InitialisationOption = oSource.InitialisationOption;
    oTarget.bOnePopupPerPage = oSource.bOnePopupPerPage;
    oTarget.sLoadedProjectPath = oSource.sLoadedProjectPath;
}

bool WriteProject(TZEPProject& oTarget, const QString& sPath, QString& sError) {
    TProfileFile file;
    if (!file.Open(sPath)) {
        sError = file.GetLastError();
        return false;
    }
    // Replacing a file: nothing of the earlier project may stay in it.
    for (const QString& sSection : file.SectionNames())
        file.EraseSection(sSection);
    if (!oTarget.SaveToIniFile(file)) {
        sError = oTarget.GetLastError();
        return false;
    }
    if (!file.UpdateFile()) {
        sError = file.GetLastError();
        return false;
    }
    return true;
}

} // namespace

bool SaveInstanceAsProject(TZEPProject& oProject, int iIndex, const QString& sPath, QString& sError) {
    TZEPProject single;
    single.sFullProjectName = sPath;
    CopyOptions(oProject, oProject.InstanceList.Instance(iIndex), single);

    // The instance is lent to the single project for the save and given back
    // at its place, with its caption and number.
    const QString sCaption = oProject.InstanceList.Caption(iIndex);
    std::unique_ptr<TZEPInstance> oInstance = oProject.InstanceList.Take(iIndex);
    const int iInstanceID = oInstance->iInstanceID;
    single.InstanceList.Add(std::move(oInstance));
    const bool bSaved = WriteProject(single, sPath, sError);
    oInstance = single.InstanceList.Take(0);
    oInstance->iInstanceID = iInstanceID;
    oProject.InstanceList.Insert(iIndex, std::move(oInstance));
    oProject.InstanceList.SetCaption(iIndex, sCaption);
    return bSaved;
}
