#pragma once

#include <QString>

// The data that comes with the program (templates, help pages): beside an
// installed program in its data folder (<prefix>/share/brisola), or the
// source tree's when the program runs from the build tree. Both places come
// from the build's install directories.

// The installation's template folder, with a trailing separator.
QString InstalledTemplateFolder();
