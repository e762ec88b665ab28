#include "TInstanceTabs.h"

#include "TZEPProject.h"

#include <QTabBar>

int TInstanceTabs::Count() const {
    return oProject.InstanceList.Count();
}

int TInstanceTabs::CurrentIndex() const {
    return TabBar.currentIndex();
}

QString TInstanceTabs::Caption(int iIndex) const {
    return iIndex >= 0 && iIndex < oProject.InstanceList.Count() ? oProject.InstanceList.Caption(iIndex) : QString();
}

TZEPInstance* TInstanceTabs::Instance(int iIndex) const {
    return iIndex >= 0 && iIndex < oProject.InstanceList.Count() ? &oProject.InstanceList.Instance(iIndex) : nullptr;
}

void TInstanceTabs::Add(std::unique_ptr<TZEPInstance> oInstance) {
    oProject.InstanceList.Add(std::move(oInstance));
    TabBar.addTab(oProject.InstanceList.Caption(oProject.InstanceList.Count() - 1));
}

void TInstanceTabs::Delete(int iIndex) {
    oProject.InstanceList.Delete(iIndex);
    TabBar.removeTab(iIndex);
}

void TInstanceTabs::SelectLast() {
    TabBar.setCurrentIndex(TabBar.count() - 1);
}

void TInstanceTabs::Refill() {
    while (TabBar.count() > 0)
        TabBar.removeTab(0);
    for (const auto& entry : oProject.InstanceList)
        TabBar.addTab(entry.sCaption);
    TabBar.setCurrentIndex(0);
}
