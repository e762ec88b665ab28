#pragma once

#include "InstanceComparison.h"
#include "TEditorDocument.h"
#include "TFont.h"
#include "TInstanceEditor.h"
#include "TScriptedServices.h"
#include "TZEPProject.h"
#include "TestSupport.h"

#include <QString>
#include <QTabBar>

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>

// The standalone instance editor, shown, over a project whose instances it
// reaches through its own tab strip.
class InstanceEditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Loads the template and selects its first popup.
    void Open(const QString& sTemplate);
    // Makes the project the document's and shows it with its tabs.
    void Use(std::unique_ptr<TZEPProject> project);
    // Gives the document's instances their tabs; the first becomes current.
    void ShowTabs();
    TZEPInstance& Instance() { return *Editor->CurrentInstance(); }

    // Replaces the field's text as a person would: select all, then type.
    static void TypeInto(QWidget* field, const QString& sText);
    // Gives the focus to the control and takes it away again.
    void Leave(QWidget* field);
    static void Paste(QWidget* field, const QString& sText);

    bool bUpdating = false;
    QTemporaryDir StoreDir;
    TScriptedServices Services{StoreDir.filePath(QStringLiteral("settings.ini"))};
    TEditorDocument Document;
    std::unique_ptr<QWidget> Window;
    QTabBar* Tabs = nullptr;
    TInstanceEditor* Editor = nullptr;
};
