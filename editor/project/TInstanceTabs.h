#pragma once

#include <QString>

#include <memory>

class QTabBar;
class TZEPInstance;
class TZEPProject;

// The main window's instance tab strip together with the project's instance
// list: one tab per entry, captioned like it. Adding or deleting through this
// class keeps the two the same list.
class TInstanceTabs {
public:
    TInstanceTabs(QTabBar& TabBar, TZEPProject& Project) : TabBar(TabBar), oProject(Project) {}

    int Count() const;
    // The selected tab, or -1.
    int CurrentIndex() const;
    QString Caption(int iIndex) const;
    // The instance of the entry, or null outside the list.
    TZEPInstance* Instance(int iIndex) const;

    // Appends the instance with its unique id as caption, and its tab.
    void Add(std::unique_ptr<TZEPInstance> oInstance);
    // Frees the entry's instance and removes the entry and its tab.
    void Delete(int iIndex);
    void SelectLast();
    // Makes the tabs those of the list (after a load), the first one selected.
    void Refill();

    TZEPProject* Project() const { return &oProject; }

private:
    QTabBar& TabBar;
    TZEPProject& oProject;
};
