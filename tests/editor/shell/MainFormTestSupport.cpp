#include "MainFormTestSupport.h"

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
