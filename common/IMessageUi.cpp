#include "IMessageUi.h"

namespace {
IMessageUi* pInstalledUi = nullptr;
}

IMessageUi* SetMessageUi(IMessageUi* ui) {
    IMessageUi* previous = pInstalledUi;
    pInstalledUi = ui;
    return previous;
}

IMessageUi* GetMessageUi() {
    return pInstalledUi;
}

void ShowErrorBox(const QString& sMessage) {
    if (pInstalledUi != nullptr) {
        pInstalledUi->ShowError(sMessage);
    }
}
