#pragma once

#include "MainFormTestSupport.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

class TPreviewBrowser;

// The main window started through its real start-up on one of the
// installation's templates, which stands in for the start-up template.
class EditorWindowTest : public ::testing::Test {
protected:
    void StartOn(const QString& sTemplate);
    // Shows the window and waits for the first preview to end.
    void ShowAndWaitForPreview();
    // Waits until the status bar shows the text; false when it does not come.
    bool WaitForStatus(const QString& sStatus);
    TPreviewBrowser& Browser();

    // The one control of that type in the main window (not in one of its
    // dialogs) whose accessible name is sName.
    template <typename TControl> TControl* Find(const QString& sName) {
        TControl* found = nullptr;
        for (TControl* control : Form->findChildren<TControl*>()) {
            if (control->accessibleName() != sName || !Form->isAncestorOf(control))
                continue;
            EXPECT_EQ(found, nullptr) << "two controls named " << sName.toStdString();
            found = control;
        }
        EXPECT_NE(found, nullptr) << "no control named " << sName.toStdString();
        return found;
    }

    TMainFormEnvironment Env;
    std::unique_ptr<TMainForm> Form;
};
