#pragma once

#include <QString>
#include <QStringList>

#include <memory>

#include "TZEPInstance.h"
#include "TZEPProject.h"

// A project holding instance records for the generator tests.
class TTestProject {
public:
    TTestProject();
    ~TTestProject();

    // Appends a new instance record with the given identifier and returns it.
    TZEPInstance& AddInstance(const QString& sUniqueID);

    TZEPProject& Project() { return *oProject; }

private:
    std::unique_ptr<TZEPProject> oProject;
};

// A colour value as the record stores it: red in the lowest byte.
constexpr quint32 RecordColour(quint32 red, quint32 green, quint32 blue) {
    return red | (green << 8) | (blue << 16);
}
