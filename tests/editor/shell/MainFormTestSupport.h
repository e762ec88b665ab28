#pragma once

#include "EditorTestEnvironment.h"
#include "TMainForm.h"

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The test environment with a main window started in it.
class TMainFormEnvironment : public TTestEnvironment {
public:
    // A main window through its creation steps (nullptr when they failed).
    std::unique_ptr<TMainForm> CreateMainForm(const QStringList& arguments = {});
};

// The controls of the main window's options dialog, found by their names as
// a test drives them.
struct TOptionsControls {
    explicit TOptionsControls(const TMainForm& form);
    QCheckBox* AutoSaveBox;
    QLineEdit* BaseLocationEdit;
    QPushButton* BrowseBtn;
    QCheckBox* IncludeDynamicFunctionsBox;
    QCheckBox* DynamicContentBox;
    QCheckBox* TurnOffAudioBox;
    QCheckBox* CoverBoxesBox;
    QCheckBox* StrictCSPBox;
    QComboBox* InitialisationOptionsBox;
    QCheckBox* OnePopupPerPageBox;
    QCheckBox* ShowCompileBox;
    QCheckBox* DeleteLogBox;
    QListWidget* UpdateFrequencyListBox;
};
