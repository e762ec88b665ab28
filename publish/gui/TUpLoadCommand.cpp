#include "TUpLoadCommand.h"

#include "TUpLoadForm.h"

bool UpLoadCompiledFiles(TUpLoadForm& form, const QStringList& upLoadIncludeList, const TUpLoadCommandLinks& links) {
    if (!links.CheckCompiledVersion(QStringLiteral("upload the project files"))) {
        return false;
    }
    if (upLoadIncludeList.isEmpty()) {
        links.Error(QStringLiteral("There are no files to upload"));
        return false;
    }
    form.TransferSetUp(upLoadIncludeList);
    if (links.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    links.Status(QStringLiteral("Files UpLoaded Successfully"));
    return true;
}
