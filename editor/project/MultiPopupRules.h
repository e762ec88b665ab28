#pragma once

#include <QString>

class TZEPInstance;
class TZEPProject;

// The rules and texts of the multi-popup mode dialog that need no widget.

inline const QString sNotSingleInstanceProject =
    QStringLiteral("This project canot be added as it is not a single instance project");
inline const QString sSecondTooltip =
    QStringLiteral("This project can not be added as it is a TooTip project and a TooTip tab already exists");
inline const QString sSecondOnExit =
    QStringLiteral("This project can not be added as it uses the OnExit feature and this feature is already being "
                   "used.\r\nChange one of these features and try again");
inline const QString sSecondModal =
    QStringLiteral("This project can not be added as it uses the Modal feature and this feature is already being "
                   "used.\r\nChange one of these features and try again");
inline const QString sSaveInstanceTitle = QStringLiteral("Save instance as project...");
inline const QString sProjectFilter = QStringLiteral("ZEP Project Files|*.zrj|All FIles|*.*");

// The texts beside Delete and Remove, and whether the two buttons work.
struct TManageLabels {
    QString sDeleteLabel;
    QString sRemoveLabel;
    bool bEnabled = false;
};
// With fewer than two instances nothing can be deleted or removed.
TManageLabels ManageLabels(int iInstanceCount, const QString& sCurrentName);

// Why the imported instance may not join the project (a second tooltip,
// on-exit or modal popup); empty when it may.
QString ImportRefusal(const TZEPProject& oProject, const TZEPInstance& oNewInstance);

QString ImportErrorMessage(const QString& sError);
QString DeleteQuestion(const QString& sCurrentName);
QString OverwriteQuestion(const QString& sPath);
QString RemoveErrorMessage(const QString& sError);

// True when the file lies directly in the folder, letter case ignored.
bool IsFileInFolder(const QString& sFile, const QString& sFolder);
