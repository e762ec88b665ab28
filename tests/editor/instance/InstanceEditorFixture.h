#pragma once

#include "IInstanceDialogs.h"
#include "InstanceComparison.h"
#include "TFont.h"
#include "TInstanceEditor.h"
#include "TZEPProject.h"
#include "TestSupport.h"

#include <QString>
#include <QTabBar>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

// Colour and font dialogs answered in advance; no answer stands for Cancel.
class TScriptedDialogs : public IInstanceDialogs {
public:
    bool ChooseColour(QWidget*, quint32& colour) override {
        AskedColours.push_back(colour);
        if (!NextColour)
            return false;
        colour = *std::exchange(NextColour, std::nullopt);
        return true;
    }
    bool ChooseFont(QWidget*, TFont& font) override {
        ++iFontsAsked;
        if (!NextFont)
            return false;
        font = *std::exchange(NextFont, std::nullopt);
        return true;
    }

    std::optional<quint32> NextColour;
    std::optional<TFont> NextFont;
    std::vector<quint32> AskedColours;
    int iFontsAsked = 0;
};

// The standalone instance editor, shown, over a project whose instances it
// reaches through its own tab strip.
class InstanceEditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Loads the template and selects its first popup.
    void Open(const QString& sTemplate);
    // Gives the project's instances their tabs; the first becomes current.
    void ShowTabs();
    TZEPInstance& Instance() { return *Editor->CurrentInstance(); }

    // Replaces the field's text as a person would: select all, then type.
    static void TypeInto(QWidget* field, const QString& sText);
    // Gives the focus to the control and takes it away again.
    void Leave(QWidget* field);
    static void Paste(QWidget* field, const QString& sText);

    bool bUpdating = false;
    TScriptedDialogs Dialogs;
    std::unique_ptr<TZEPProject> Project;
    std::unique_ptr<QWidget> Window;
    QTabBar* Tabs = nullptr;
    TInstanceEditor* Editor = nullptr;
};
