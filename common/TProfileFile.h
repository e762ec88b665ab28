#pragma once

#include "TNameIndex.h"

#include <QString>
#include <QStringList>

#include <vector>

// An INI profile file held in memory.
//
// The file is parsed once when opened; every original line is kept, so a save
// rewrites only the values that changed. The lines view the text read, and
// sections and keys are found by hash, so parsing, reading and writing take
// time in proportion to what they touch, however large the file. Section and
// key names match regardless of letter case (the first occurrence wins when a
// name repeats).
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
    // Makes the next UpdateFile write the file although no value changed. A
    // project save that changed a side file writes the project file too, so
    // that its time stamp tells when the project last changed.
    void MarkModified() { bModified = true; }
    // The whole file as it would be written: every line ends with CR LF.
    QString ToText() const;
    // Writes the file in one go when it changed. On failure the previous file
    // stays as it was and GetLastError gives "Unable to write to " + path.
    bool UpdateFile();

    // Parses a whole number the way profile values are read.
    static bool ParseInteger(QStringView sText, int& iValue);

private:
    // A line of the file: a view of the text the file was read from, or of
    // the line's own copy when a write made or changed it. Moving a line keeps
    // the view valid, since a moved string keeps its characters in place.
    struct TLine {
        QStringView sText;
        QString sOwnText;
        qsizetype iNameStart = 0;  // the key (or a header's section name), trimmed
        qsizetype iNameLength = 0; // 0 for comments, blank lines and lines without "="
        qsizetype iValueStart = 0; // where the text after "=" starts

        static TLine Own(QString sText, qsizetype iNameStart, qsizetype iNameLength);
        QStringView Name() const { return sText.mid(iNameStart, iNameLength); }
        // The text after "=", not yet trimmed.
        QStringView RawValue() const { return sText.mid(iValueStart); }
    };
    struct TSection {
        TLine Header;
        std::vector<TLine> Entries;
        TNameIndex KeyIndex; // key -> index into Entries
        // Blank lines that end the section, set apart by the first new key so
        // that new keys go before them and each append takes constant time.
        std::vector<TLine> TrailingBlankLines;

        QStringView Name() const { return Header.Name(); }
        int FindKey(QStringView sKey) const;
    };

    int SectionPosition(QStringView sSection) const;
    const TSection* FindSection(QStringView sSection) const;
    TSection* FindSection(QStringView sSection);
    const TLine* FindEntry(QStringView sSection, QStringView sKey) const;
    void ParseLine(QStringView sLine, TSection*& current);
    TSection& AddSection(TLine header);
    void RebuildSectionIndex();
    static void AddEntry(TSection& section, TLine entry);
    static void SetAsideTrailingBlankLines(TSection& section);
    static QStringView CleanValue(QStringView sRaw);

    QString sFileName;
    QString sLastError;
    QString sSourceText;         // the text parsed last, which the lines view
    std::vector<TLine> Preamble; // lines before the first section
    std::vector<TSection> Sections;
    TNameIndex SectionIndex;       // section name -> index into Sections
    mutable int iLastSection = -1; // the section found last
    bool bModified = false;
};
