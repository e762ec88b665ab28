#pragma once

#include <QString>

// Asks the user for a folder; the editor answers with its folder dialog and
// tests with a scripted answer.
class IFolderChooser {
public:
    virtual ~IFolderChooser() = default;
    // The chosen folder, or empty when the user cancelled.
    virtual QString ChooseFolder(const QString& sCaption, const QString& sStartFolder) = 0;
};
