#include "MainFormTestSupport.h"

#include "TOptionsForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

template <typename TControl> TControl* Find(const TOptionsForm& dialog, const char* sName) {
    return dialog.findChild<TControl*>(QString::fromLatin1(sName));
}

} // namespace

std::unique_ptr<TMainForm> TMainFormEnvironment::CreateMainForm(const QStringList& arguments) {
    TStartUpContext context;
    context.Arguments = arguments;
    context.sExeName = QStringLiteral(BRISOLA_EDITOR_EXE);
    context.Today = QDate(2012, 3, 15);
    context.Folders = Folders();
    auto form = std::make_unique<TMainForm>(Services, std::move(context));
    if (!form->Create())
        return nullptr;
    return form;
}

TOptionsControls::TOptionsControls(const TMainForm& form) {
    const TOptionsForm& d = form.OptionsForm();
    AutoSaveBox = Find<QCheckBox>(d, "AutoSaveBox");
    BaseLocationEdit = Find<QLineEdit>(d, "BaseLocationEdit");
    BrowseBtn = Find<QPushButton>(d, "BrowseBtn");
    IncludeDynamicFunctionsBox = Find<QCheckBox>(d, "IncludeDynamicFunctionsBox");
    DynamicContentBox = Find<QCheckBox>(d, "DynamicContentBox");
    TurnOffAudioBox = Find<QCheckBox>(d, "TurnOffAudioBox");
    CoverBoxesBox = Find<QCheckBox>(d, "CoverBoxesBox");
    OnePopupPerPageBox = Find<QCheckBox>(d, "OnePopupPerPageBox");
    StrictCSPBox = Find<QCheckBox>(d, "StrictCSPBox");
    InitialisationOptionsBox = Find<QComboBox>(d, "InitialisationOptionsBox");
    ShowCompileBox = Find<QCheckBox>(d, "ShowCompileBox");
    DeleteLogBox = Find<QCheckBox>(d, "DeleteLogBox");
    UpdateFrequencyListBox = Find<QListWidget>(d, "UpdateFrequencyListBox");
}
