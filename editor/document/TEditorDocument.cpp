#include "TEditorDocument.h"

#include "TFieldCommand.h"
#include "TFileTextCommand.h"

TEditorDocument::TEditorDocument(QObject* parent) : QObject(parent) {
    Stack.setUndoLimit(0);
    TypingPause.setSingleShot(true);
    TypingPause.setInterval(iTypingPauseMs);
    connect(&TypingPause, &QTimer::timeout, this, &TEditorDocument::EndTyping);
    connect(&Stack, &QUndoStack::cleanChanged, this, [this](bool bClean) { emit ModifiedChanged(!bClean); });
}

TEditorDocument::~TEditorDocument() {
    // The commands call back into the document: they go first.
    Stack.clear();
}

void TEditorDocument::MarkSaved() {
    Stack.setClean();
}

void TEditorDocument::StartHistory(bool bModified) {
    EndTyping();
    if (!bModified)
        UnsavedTexts.clear();
    // The stack signals the change of the clean state, and with it ModifiedChanged.
    Stack.clear();
    if (bModified)
        Stack.resetClean();
    emit Changed();
}

void TEditorDocument::ChangeInstance(int iInstance, const TZEPInstance& edited, const QString& sStep, bool bTyping) {
    if (iInstance < 0 || iInstance >= Project().InstanceList.Count())
        return;
    auto changes = InstanceFields::Differences(Project().InstanceList.Instance(iInstance), edited);
    if (changes.empty())
        return;
    if (bTyping)
        TypingPause.start();
    else
        EndTyping();
    Stack.push(new TFieldCommand(*this, iInstance, std::move(changes), sStep, bTyping ? iTypingSession : -1));
}

void TEditorDocument::EndTyping() {
    TypingPause.stop();
    ++iTypingSession;
}

TDocumentSnapshot TEditorDocument::Snapshot() const {
    TDocumentSnapshot snapshot{std::make_unique<TZEPProject>(), Document.EditableFiles, Document.UpLoadIncludeList};
    snapshot.Project->CopyContentsFrom(Document.Project);
    return snapshot;
}

void TEditorDocument::PushSnapshot(const QString& sStep, TDocumentSnapshot before) {
    EndTyping();
    Stack.push(new TSnapshotCommand(*this, sStep, std::move(before), Snapshot()));
    emit Changed();
}

void TEditorDocument::ChangeProject(const QString& sStep, const std::function<void()>& change) {
    TDocumentSnapshot before = Snapshot();
    change();
    PushSnapshot(sStep, std::move(before));
}

void TEditorDocument::ApplyFields(int iInstance, const std::vector<InstanceFields::TFieldChange>& changes, bool bNew) {
    if (iInstance < 0 || iInstance >= Project().InstanceList.Count())
        return;
    TZEPInstance& instance = Project().InstanceList.Instance(iInstance);
    for (const InstanceFields::TFieldChange& change : changes)
        InstanceFields::Assign(instance, change.sKey, bNew ? change.NewValue : change.OldValue);
    InstanceFields::Refresh(instance);
    emit InstanceChanged(iInstance);
    emit Changed();
}

void TEditorDocument::Restore(const TDocumentSnapshot& snapshot) {
    Project().CopyContentsFrom(*snapshot.Project);
    Document.EditableFiles = snapshot.EditableFiles;
    Document.UpLoadIncludeList = snapshot.UpLoadIncludeList;
    emit ProjectReplaced();
    emit Changed();
}

void TEditorDocument::ChangeFileText(const QString& sFile, const QString& sOldText, const QString& sNewText) {
    if (sOldText == sNewText)
        return;
    TypingPause.start();
    Stack.push(new TFileTextCommand(*this, sFile, sOldText, sNewText, iTypingSession));
}

void TEditorDocument::ForgetFileText(const QString& sFile) {
    // Typing after a save or a reload is a step of its own.
    EndTyping();
    UnsavedTexts.remove(sFile);
}

void TEditorDocument::SetFileTexts(const QMap<QString, QString>& texts) {
    UnsavedTexts = texts;
    for (auto it = texts.begin(); it != texts.end(); ++it)
        emit FileTextChanged(it.key(), it.value());
}

void TEditorDocument::ApplyFileText(const QString& sFile, const QString& sText) {
    UnsavedTexts.insert(sFile, sText);
    emit FileTextChanged(sFile, sText);
    emit Changed();
}
