#pragma once

#include "TNameIndex.h"

#include <QAnyStringView>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

#include <vector>

// An INI profile file held in memory.
//
// The file is parsed once when opened; every original line is kept, so a save
// rewrites only the values that changed. The lines view the text read, and
// sections and keys are found by hash, so parsing, reading and writing take
// time in proportion to what they touch, however large the file. Section and
// key names match regardless of letter case (the first occurrence wins when a
// name repeats). Names may be given in any string type: the ASCII literals
// that most callers pass are looked up without a copy on the heap.
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

    bool SectionExists(QAnyStringView sSection) const;
    bool ValueExists(QAnyStringView sSection, QAnyStringView sKey) const;
    // Key names of a section, in file order, as spelled in the file.
    QStringList ReadSection(QAnyStringView sSection) const;
    // The section's key lines as "key=value", values as ReadString gives them.
    QStringList ReadSectionValues(QAnyStringView sSection) const;
    QStringList SectionNames() const;

    QString ReadString(QAnyStringView sSection, QAnyStringView sKey, const QString& sDefault) const;
    // Whole numbers: decimal with an optional sign, or hexadecimal after "$" or
    // "0x". Missing, empty, non-numeric or out-of-range values give the default.
    int ReadInteger(QAnyStringView sSection, QAnyStringView sKey, int iDefault) const;
    bool ReadBool(QAnyStringView sSection, QAnyStringView sKey, bool bDefault) const;

    void WriteString(QAnyStringView sSection, QAnyStringView sKey, const QString& sValue);
    void WriteInteger(QAnyStringView sSection, QAnyStringView sKey, int iValue);
    void WriteBool(QAnyStringView sSection, QAnyStringView sKey, bool bValue);
    void EraseSection(QAnyStringView sSection);

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
    // the line's own text in OwnTexts when a write made or changed it. Lines
    // are small and copied as they are: a string moved within OwnTexts keeps
    // its characters in place, so the views stay valid.
    struct TLine {
        QStringView sText;
        int iNameStart = 0;    // the key (or a header's section name), trimmed
        int iNameLength = 0;   // 0 for comments, blank lines and lines without "="
        int iValueStart = 0;   // where the text after "=" starts
        int iOwnText = -1;     // position of the line's own text in OwnTexts, or -1
        bool bIndexed = false; // the first line of its name: the one that lookups find

        QStringView Name() const { return sText.mid(iNameStart, iNameLength); }
        // True when lookups of sName find this line.
        bool IsFirstNamed(QStringView sName) const {
            return bIndexed && TNameIndex::FoldedEqual(TNameIndex::Trimmed(Name()), TNameIndex::Trimmed(sName));
        }
        // The text after "=", not yet trimmed.
        QStringView RawValue() const { return sText.mid(iValueStart); }
    };
    // A section or key name as UTF-16: the name itself when it is UTF-16
    // already, else its characters widened into a buffer of the object.
    class TName {
    public:
        explicit TName(QAnyStringView sName);
        TName(const TName&) = delete;
        TName& operator=(const TName&) = delete;
        QStringView View() const { return sView; }

    private:
        QVarLengthArray<char16_t, 64> Buffer;
        QString sCopy;
        QStringView sView;
    };
    struct TSection {
        TLine Header;
        std::vector<TLine> Entries;
        TNameIndex KeyIndex; // key -> index into Entries
        // Blank lines that end the section, set apart by the first new key so
        // that new keys go before them and each append takes constant time.
        std::vector<TLine> TrailingBlankLines;

        // Keys are mostly read and written in the order in which they stand:
        // the entry after the one found last is tried before the index.
        mutable int iNextKey = 0;

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
    // Makes sText the line's own text, with the name at iNameStart.
    void SetOwnText(TLine& line, QString sText, int iNameStart, int iNameLength);
    static void AddEntry(TSection& section, TLine entry);
    static void SetAsideTrailingBlankLines(TSection& section);
    static QStringView CleanValue(QStringView sRaw);

    QString sFileName;
    QString sLastError;
    QString sSourceText;           // the text parsed last, which the lines view
    std::vector<QString> OwnTexts; // the texts of lines made or changed by writes
    std::vector<TLine> Preamble;   // lines before the first section
    std::vector<TSection> Sections;
    TNameIndex SectionIndex;       // section name -> index into Sections
    mutable int iLastSection = -1; // the section found last
    bool bModified = false;
};
