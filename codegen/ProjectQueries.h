#pragma once

#include <QStringList>

#include "TZEPInstance.h"
#include "TZEPProject.h"

// Which features the project's popups use. Each query walks the instance list in order and ignores entries that
// are not instance records.

// Some instance is a tooltip.
bool HasTooltip(const TZEPProject& oProject);

// Some instance other than the one at iSkipIndex opens on exit intent; -1 skips none.
bool HasOnExit(const TZEPProject& oProject, int iSkipIndex);

// Some instance other than the one at iSkipIndex is modal; -1 skips none.
bool HasModal(const TZEPProject& oProject, int iSkipIndex);

// Some instance other than oExclude (which may be null) has more than one content item.
bool IsAdditionalContentUsed(const TZEPProject& oProject, const TZEPInstance* oExclude);

// The attached files of every instance in instance order, each name once; names that differ only in letter case
// are the same file and the first spelling is kept.
QStringList CombinedBinaryFileList(const TZEPProject& oProject);
