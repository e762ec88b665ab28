// Loads a project from arbitrary bytes: the part before the first NUL byte is
// the project file, the rest (when present) the content file. A load either
// succeeds, and the project then saves, or fails with a message.

#include "ProjectFiles.h"
#include "TProfileFile.h"
#include "TZEPProject.h"
#include "TextFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// A project directory holding the HTML files of a single-popup project and of
// the first three instances of a multi-popup one.
const QTemporaryDir& ProjectDir() {
    static const QTemporaryDir dir;
    static const bool bReady = [] {
        for (const char* sName : {"p.html", "p(0).html", "p(1).html", "p(2).html"}) {
            WriteTextLines(dir.filePath(sName), {"<p>hello</p>", "<script>x()</script>"});
        }
        return true;
    }();
    (void)bReady;
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype iNul = bytes.indexOf('\0');
    const QString sProject = ProjectDir().filePath("p.zrj");
    const QString sContent = ContentFileName(sProject);
    QFile::remove(sContent);
    if (iNul >= 0) {
        WriteTextFileWhole(sContent, DecodeText(bytes.mid(iNul + 1)));
    }

    TProfileFile file;
    file.LoadFromText(DecodeText(bytes.left(iNul < 0 ? bytes.size() : iNul)));
    TZEPProject project;
    project.sFullProjectName = sProject;
    const bool bTemplateRequired = size > 0 && data[0] == '!';
    if (!project.LoadFromIniFile(file, bTemplateRequired)) {
        if (project.GetLastError().isEmpty()) {
            std::abort();
        }
        return 0;
    }
    ReadEditableFileNames(file, ProjectDirectory(sProject));
    ReadUploadIncludeList(file);
    for (const auto& entry : project.InstanceList) {
        entry.oInstance->GetHTMLForScript();
        FontToText(entry.oInstance->Font);
    }
    // Saving writes only into the project directory: attached files are not
    // copied (nothing was loaded from disk) and names leaving it are refused.
    if (!project.SaveToIniFile(file) && project.GetLastError().isEmpty()) {
        std::abort();
    }
    return 0;
}
