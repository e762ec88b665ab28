#include "GeneratorTestSupport.h"

TTestProject::TTestProject() : oProject(std::make_unique<TZEPProject>()) {}

TTestProject::~TTestProject() = default;

TZEPInstance& TTestProject::AddInstance(const QString& sUniqueID) {
    std::unique_ptr<TZEPInstance> oInstance = oProject->CreateInstance();
    oInstance->sUniqueID = sUniqueID;
    return oProject->InstanceList.Add(std::move(oInstance));
}
