#include "MultiPopupRules.h"

#include "ProjectQueries.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString Quoted(const QString& sText) {
    return QLatin1Char('"') + sText + QLatin1Char('"');
}

} // namespace

TManageLabels ManageLabels(int iInstanceCount, const QString& sCurrentName) {
    if (iInstanceCount < 2)
        return {QStringLiteral("Cannot delete unless there is more than one instance"),
                QStringLiteral("Cannot remove unless there is more than one instance"), false};
    return {QStringLiteral("Delete instance ") + Quoted(sCurrentName) +
                QStringLiteral(" and remove it from the current project:"),
            QStringLiteral("Remove instance ") + Quoted(sCurrentName) +
                QStringLiteral(" from the current project but save it to a separate file:"),
            true};
}

QString ImportRefusal(const TZEPProject& oProject, const TZEPInstance& oNewInstance) {
    if (oNewInstance.bToolTip == 1 && HasTooltip(oProject))
        return sSecondTooltip;
    if (oNewInstance.bOnExit == 1 && HasOnExit(oProject, -1))
        return sSecondOnExit;
    if (oNewInstance.bModal == 1 && HasModal(oProject, -1))
        return sSecondModal;
    return {};
}

QString ImportErrorMessage(const QString& sError) {
    return QStringLiteral("Error importing Instance <") + sError + QLatin1Char('>');
}

QString DeleteQuestion(const QString& sCurrentName) {
    return QStringLiteral("You are about to delete instance <") + sCurrentName +
           QStringLiteral(">.\r\nAre you sure you wish to continue?");
}

QString OverwriteQuestion(const QString& sPath) {
    return QStringLiteral("File <") + sPath + QStringLiteral("> already exists - Overwrite?");
}

QString RemoveErrorMessage(const QString& sError) {
    return QStringLiteral("Error saving instance as project <") + sError + QLatin1Char('>');
}

bool IsFileInFolder(const QString& sFile, const QString& sFolder) {
    const QString sFileDir = QDir::cleanPath(QFileInfo(sFile).absolutePath());
    const QString sTarget = QDir::cleanPath(QFileInfo(sFolder).absoluteFilePath());
    return !sFolder.trimmed().isEmpty() && sFileDir.compare(sTarget, Qt::CaseInsensitive) == 0;
}
