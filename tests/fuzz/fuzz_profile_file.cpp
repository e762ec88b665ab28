// Feeds arbitrary bytes to the profile file reader and checks that writing
// the parsed file back and parsing it again gives the same text.

#include "TProfileFile.h"
#include "TextFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString sText = DecodeText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    TProfileFile ini;
    ini.LoadFromText(sText);
    for (const QString& sSection : ini.SectionNames()) {
        for (const QString& sKey : ini.ReadSection(sSection)) {
            ini.ReadString(sSection, sKey, QString());
            ini.ReadInteger(sSection, sKey, 0);
        }
        ini.ReadSectionValues(sSection);
    }
    ini.WriteString("SYSTEM", "Template", "0");
    ini.WriteInteger("New Section", "Key", -1);
    const QString sWritten = ini.ToText();

    TProfileFile again;
    again.LoadFromText(sWritten);
    if (again.ToText() != sWritten || again.ReadString("SYSTEM", "Template", "x") != "0") {
        std::abort();
    }
    ini.EraseSection("SYSTEM");
    return 0;
}
