#pragma once

#include <QString>

// The installation's template folder, with a trailing separator: beside an
// installed program <prefix>/share/brisola/Templates, and the source tree's
// templates when the program runs from the build tree.
QString InstalledTemplateFolder();
