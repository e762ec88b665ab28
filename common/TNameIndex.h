#pragma once

#include <QString>
#include <QStringView>

#include <unordered_map>

// Positions of names that match regardless of letter case and of blanks around
// them. Lookups fold the letters as they hash and compare, so finding a name
// builds no folded copy of it: a profile file looks up every key it reads or
// writes here.
class TNameIndex {
public:
    // Records the name's position unless an equal name is already recorded:
    // the first of repeated names wins.
    void Add(const QString& sName, int iPosition);
    // The position of the name, or -1.
    int Find(QStringView sName) const;
    bool Contains(QStringView sName) const { return Find(sName) >= 0; }
    void Clear() { Positions.clear(); }

private:
    struct TFoldedHash {
        using is_transparent = void;
        size_t operator()(QStringView sName) const;
    };
    struct TFoldedEqual {
        using is_transparent = void;
        bool operator()(QStringView sLeft, QStringView sRight) const;
    };

    std::unordered_map<QString, int, TFoldedHash, TFoldedEqual> Positions;
};
