#include "ProjectTestSupport.h"

#include "TProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void WriteFileBytes(const QString& sPath, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(sPath).path());
    QFile file(sPath);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

std::unique_ptr<TZEPInstance> NewPopup(TZEPProject& oProject, const QString& sUid) {
    auto oInstance = oProject.CreateInstance();
    oInstance->sUniqueID = sUid;
    oInstance->HTMLFile = {"<p>" + sUid + "</p>"};
    oInstance->iWidth = 300;
    oInstance->iHeight = 200;
    oInstance->iTop = 20;
    oInstance->iLeft = 30;
    oInstance->UpdateContentFromHTML();
    return oInstance;
}

bool WriteSinglePopupProject(const QString& sPath, const QString& sUid,
                             const std::function<void(TZEPInstance&)>& change) {
    QDir().mkpath(QFileInfo(sPath).path());
    TZEPProject project;
    project.sFullProjectName = sPath;
    TZEPInstance& instance = project.InstanceList.Add(NewPopup(project, sUid));
    if (change)
        change(instance);
    instance.UpdateContentFromHTML();
    TProfileFile file(sPath);
    return project.SaveToIniFile(file) && file.UpdateFile();
}
