#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// An INI profile file held in memory.
//
// The file is parsed once when opened; every original line is kept, so a save
// rewrites only the values that changed. Section and key names match
// regardless of letter case (the first occurrence wins when a name repeats).
// Values are read trimmed, without one pair of matching quotation marks and
// cut to 2047 characters. A write replaces a value where it stands, appends
// the key at the end of its section, or appends a new section at the end of
// the file. Nothing reaches the disk until UpdateFile, which writes the whole
// file in one go so that a failed save leaves the previous file intact.
class TProfileFile {
public:
    static constexpr int iMaxValueLength = 2047;

    TProfileFile() = default;
    explicit TProfileFile(const QString& sFileName);

    // Binds the object to a file and parses it. A missing file is an empty
    // profile; a file that exists but cannot be read fails with a message, as
    // do a pipe, a device or a folder and a file above 64 MB, which are not read.
    bool Open(const QString& sFileName);
    // Parses profile text directly (no file bound); used for data from memory.
    void LoadFromText(const QString& sText);

    QString FileName() const { return sFileName; }
    QString GetLastError() const { return sLastError; }

    bool SectionExists(const QString& sSection) const;
    bool ValueExists(const QString& sSection, const QString& sKey) const;
    // Key names of a section, in file order, as spelled in the file.
    QStringList ReadSection(const QString& sSection) const;
    // The section's key lines as "key=value", values as ReadString gives them.
    QStringList ReadSectionValues(const QString& sSection) const;
    QStringList SectionNames() const;

    QString ReadString(const QString& sSection, const QString& sKey, const QString& sDefault) const;
    // Whole numbers: decimal with an optional sign, or hexadecimal after "$" or
    // "0x". Missing, empty, non-numeric or out-of-range values give the default.
    int ReadInteger(const QString& sSection, const QString& sKey, int iDefault) const;
    bool ReadBool(const QString& sSection, const QString& sKey, bool bDefault) const;

    void WriteString(const QString& sSection, const QString& sKey, const QString& sValue);
    void WriteInteger(const QString& sSection, const QString& sKey, int iValue);
    void WriteBool(const QString& sSection, const QString& sKey, bool bValue);
    void EraseSection(const QString& sSection);

    bool IsModified() const { return bModified; }
    // The whole file as it would be written: every line ends with CR LF.
    QString ToText() const;
    // Writes the file in one go when it changed. On failure the previous file
    // stays as it was and GetLastError gives "Unable to write to " + path.
    bool UpdateFile();

    // Parses a whole number the way profile values are read.
    static bool ParseInteger(const QString& sText, int& iValue);

private:
    struct TEntry {
        QString sRawLine; // the line as it stands in the file
        QString sKey;     // empty for comments, blank lines and lines without "="
        QString sValue;   // the raw text after "=" (not yet trimmed)
    };
    struct TSection {
        QString sHeaderLine;
        QString sName;
        std::vector<TEntry> Entries;
        QHash<QString, int> KeyIndex; // folded key -> index into Entries
        // Blank lines that end the section, set apart by the first new key so
        // that new keys go before them and each append takes constant time.
        QStringList TrailingBlankLines;
    };

    const TSection* FindSection(const QString& sSection) const;
    TSection* FindSection(const QString& sSection);
    const TEntry* FindEntry(const QString& sSection, const QString& sKey) const;
    void RebuildSectionIndex();
    TSection& AddSection(const QString& sName, const QString& sHeaderLine);
    static void AddEntry(TSection& section, TEntry entry);
    static void SetAsideTrailingBlankLines(TSection& section);
    static QString CleanValue(const QString& sRaw);
    static QString Fold(const QString& sName) { return sName.trimmed().toCaseFolded(); }

    QString sFileName;
    QString sLastError;
    QStringList Preamble; // lines before the first section
    std::vector<TSection> Sections;
    QHash<QString, int> SectionIndex; // folded name -> index into Sections
    bool bModified = false;
};
