#include "TFileLists.h"

#include "IFileListHost.h"
#include "StringUtils.h"
#include "TZEPInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

qsizetype IndexOfName(const QList<TFileListEntry>& entries, const QString& sName) {
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].sName.trimmed().compare(sName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool LiesIn(const QString& sFile, const QString& sDirectory) {
    return QDir::cleanPath(QFileInfo(sFile).absolutePath()) ==
           QDir::cleanPath(QFileInfo(sDirectory).absoluteFilePath());
}

QString LimitMessage(CFileList list, const QString& sName) {
    if (list == CFileList::flEditable)
        return QStringLiteral("Cannot add this file ") + Bracketed(sName) +
               QStringLiteral(" as a project keeps at most %1 editable files").arg(TFileLists::iMaxEditableFiles);
    return QStringLiteral("Cannot add this file ") + Bracketed(sName) +
           QStringLiteral(" as a popup keeps at most %1 binary and graphic files")
               .arg(TFileLists::iMaxBinaryGraphicFiles);
}

// Copies through a temporary name, so a failed copy leaves the file it was to
// replace untouched.
bool ReplaceFile(const QString& sSource, const QString& sTarget) {
    if (QDir::cleanPath(sSource) == QDir::cleanPath(sTarget))
        return true;
    const QString sPartial = sTarget + QStringLiteral("$$$NEW");
    QFile::remove(sPartial);
    if (!QFile::copy(sSource, sPartial))
        return false;
    if ((QFileInfo::exists(sTarget) && !QFile::remove(sTarget)) || !QFile::rename(sPartial, sTarget)) {
        QFile::remove(sPartial);
        return false;
    }
    return true;
}

} // namespace

void TFileLists::Fill(const QStringList& EditableFiles, const TZEPInstance* instance) {
    Clear();
    for (const QString& sFile : EditableFiles)
        Editable.append({QFileInfo(sFile).fileName(), std::nullopt});
    if (instance != nullptr) {
        for (const QString& sFile : instance->BinaryGraphicFiles)
            BinaryGraphic.append({sFile, std::nullopt});
    }
}

void TFileLists::Clear() {
    Editable.clear();
    BinaryGraphic.clear();
}

void TFileLists::Remove(CFileList list, int iIndex) {
    if (iIndex >= 0 && iIndex < List(list).size())
        List(list).removeAt(iIndex);
}

bool TFileLists::AddFile(CFileList list, const QString& sChosenFile, const QString& sProjectDir) {
    const QString sName = QFileInfo(sChosenFile).fileName().trimmed();
    const CFileList other = list == CFileList::flEditable ? CFileList::flBinaryGraphic : CFileList::flEditable;
    if (IndexOfName(List(other), sName) >= 0) {
        Host.ShowError(QStringLiteral("Cannot add this file ") + Bracketed(sName) +
                       QStringLiteral("as it is already present in the other list"));
        return false;
    }
    const qsizetype iExisting = IndexOfName(List(list), sName);
    if (iExisting >= 0)
        return Replace(List(list)[iExisting], sChosenFile, sProjectDir);
    return AddNew(list, sName, sChosenFile, sProjectDir);
}

bool TFileLists::AddNew(CFileList list, const QString& sName, const QString& sChosenFile, const QString& sProjectDir) {
    const int iLimit = list == CFileList::flEditable ? iMaxEditableFiles : iMaxBinaryGraphicFiles;
    if (List(list).size() >= iLimit) {
        Host.ShowError(LimitMessage(list, sName));
        return false;
    }
    const QString sInProject = sProjectDir + sName;
    TFileDetail detail{sChosenFile, true};
    if (QFileInfo::exists(sInProject)) {
        if (LiesIn(sChosenFile, sProjectDir)) {
            detail = {sInProject, false};
        } else {
            const auto answer = Host.Confirm(QStringLiteral("File ") + Bracketed(sName) +
                                                 QStringLiteral(" is currently in the project directory.\n") +
                                                 QStringLiteral("Do you wish to replace it with file ") +
                                                 Bracketed(sChosenFile) + QStringLiteral("?"),
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            if (answer == QMessageBox::No)
                detail = {sInProject, false};
            else if (answer != QMessageBox::Yes)
                return false;
        }
    }
    List(list).append({sName, detail});
    return true;
}

bool TFileLists::Replace(TFileListEntry& entry, const QString& sChosenFile, const QString& sProjectDir) {
    const QString sName = entry.sName.trimmed();
    if (LiesIn(sChosenFile, sProjectDir)) {
        Host.ShowInfo(QStringLiteral("File ") + Bracketed(sName) +
                      QStringLiteral(" is already in the project directory and on the current list"));
        return false;
    }
    if (Host.Confirm(QStringLiteral("File ") + Bracketed(sName) + QStringLiteral(" has already been added.\n") +
                         QStringLiteral("Do you wish to overwrite it with file ") + Bracketed(sChosenFile) +
                         QStringLiteral("?"),
                     QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;
    entry.Detail = TFileDetail{sChosenFile, true};
    return true;
}

void TFileLists::Apply(QStringList& EditableFiles, TZEPInstance* instance, const QString& sProjectDir) {
    ApplyList(CFileList::flEditable, EditableFiles, sProjectDir);
    if (instance != nullptr)
        ApplyList(CFileList::flBinaryGraphic, instance->BinaryGraphicFiles, sProjectDir);
    Clear();
}

void TFileLists::ApplyList(CFileList list, QStringList& files, const QString& sProjectDir) {
    QList<TFileListEntry>& entries = List(list);
    const bool bEditable = list == CFileList::flEditable;
    for (qsizetype i = 0; i < files.size();) {
        const QString sName = files[i].trimmed();
        const qsizetype iEntry = IndexOfName(entries, bEditable ? QFileInfo(sName).fileName() : sName);
        if (iEntry < 0) {
            files.removeAt(i);
            if (bEditable)
                Host.RemoveEditableFile(sName);
            continue;
        }
        std::optional<TFileDetail>& detail = entries[iEntry].Detail;
        if (detail && detail->bOverwriteExisting && QFileInfo::exists(detail->sFullFileName) &&
            CopyIntoProject(*detail, entries[iEntry].sName, sProjectDir) && bEditable)
            Host.LoadEditableFile(sName);
        detail.reset();
        ++i;
    }
    for (TFileListEntry& entry : entries) {
        if (!entry.Detail || !QFileInfo::exists(entry.Detail->sFullFileName))
            continue;
        files.append(entry.sName);
        if (entry.Detail->bOverwriteExisting)
            CopyIntoProject(*entry.Detail, entry.sName, sProjectDir);
        if (bEditable && QFileInfo::exists(sProjectDir + entry.sName))
            Host.AddEditableFilePage(entry.sName);
    }
    entries.clear();
}

bool TFileLists::CopyIntoProject(const TFileDetail& detail, const QString& sName, const QString& sProjectDir) {
    Host.Status(QStringLiteral("Copying file ") + Bracketed(detail.sFullFileName) + QStringLiteral("..."));
    if (!ReplaceFile(detail.sFullFileName, sProjectDir + sName)) {
        Host.LogError(QStringLiteral("Error copying file ") + Bracketed(detail.sFullFileName) +
                      QStringLiteral(" to Project directory ") + Bracketed(sProjectDir));
        return false;
    }
    Host.Status(QStringLiteral("Copied file ") + Bracketed(sName));
    return true;
}
