#include "TCrashJournal.h"

#include "TEditorDocument.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <memory>

namespace {

const QString sJournalName = QStringLiteral("journal");
const QString sStagingName = QStringLiteral("journal.new");
const QString sFormerName = QStringLiteral("journal.old");
const QString sProjectName = QStringLiteral("project.zrj");
const QString sStateName = QStringLiteral("state.json");

// What the journal keeps besides the project's own files.
struct TJournalState {
    QString sProjectFile;
    QString sLoadedPath;
    bool bTemplate = false;
    QStringList EditableFiles;
    QStringList UpLoadIncludeList;
    QMap<QString, QString> FileTexts;
};

QJsonArray ToArray(const QStringList& list) {
    return QJsonArray::fromStringList(list);
}

QStringList ToList(const QJsonValue& value) {
    QStringList list;
    for (const QJsonValue& item : value.toArray())
        list.append(item.toString());
    return list;
}

QByteArray StateText(const TJournalState& state) {
    QJsonObject texts;
    for (auto it = state.FileTexts.begin(); it != state.FileTexts.end(); ++it)
        texts.insert(it.key(), it.value());
    const QJsonObject root{{QStringLiteral("ProjectFile"), state.sProjectFile},
                           {QStringLiteral("LoadedPath"), state.sLoadedPath},
                           {QStringLiteral("Template"), state.bTemplate},
                           {QStringLiteral("EditableFiles"), ToArray(state.EditableFiles)},
                           {QStringLiteral("UpLoadIncludeList"), ToArray(state.UpLoadIncludeList)},
                           {QStringLiteral("FileTexts"), texts}};
    return QJsonDocument(root).toJson();
}

bool ReadState(const QString& sFile, TJournalState& state) {
    QFile file(sFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    state.sProjectFile = root.value(QStringLiteral("ProjectFile")).toString();
    if (state.sProjectFile.isEmpty())
        return false;
    state.sLoadedPath = root.value(QStringLiteral("LoadedPath")).toString();
    state.bTemplate = root.value(QStringLiteral("Template")).toBool();
    state.EditableFiles = ToList(root.value(QStringLiteral("EditableFiles")));
    state.UpLoadIncludeList = ToList(root.value(QStringLiteral("UpLoadIncludeList")));
    const QJsonObject texts = root.value(QStringLiteral("FileTexts")).toObject();
    for (auto it = texts.begin(); it != texts.end(); ++it)
        state.FileTexts.insert(it.key(), it.value().toString());
    return true;
}

// The journal in place, or the former one when a run ended between the two
// renames that replace it.
QString JournalFolder(const QString& sFolder) {
    for (const QString& sName : {sJournalName, sFormerName}) {
        const QString sPath = sFolder + u'/' + sName;
        if (QFileInfo::exists(sPath + u'/' + sStateName))
            return sPath;
    }
    return {};
}

// Writes the copy into the staging folder, then puts it in place of the journal.
void WriteJournal(const QString& sFolder, TProjectDocument& copy, const TJournalState& state) {
    const QString sStaging = sFolder + u'/' + sStagingName;
    QDir(sStaging).removeRecursively();
    if (!QDir().mkpath(sStaging))
        return;
    copy.Project.sFullProjectName = sStaging + u'/' + sProjectName;
    copy.Project.sLoadedProjectPath.clear(); // attached files stay where they are
    if (!copy.Save())
        return;
    QSaveFile stateFile(sStaging + u'/' + sStateName);
    if (!stateFile.open(QIODevice::WriteOnly) || stateFile.write(StateText(state)) < 0 || !stateFile.commit())
        return;
    const QString sJournal = sFolder + u'/' + sJournalName;
    const QString sFormer = sFolder + u'/' + sFormerName;
    QDir(sFormer).removeRecursively();
    QDir().rename(sJournal, sFormer);
    if (QDir().rename(sStaging, sJournal))
        QDir(sFormer).removeRecursively();
}

} // namespace

TCrashJournal::TCrashJournal(TEditorDocument& document, QString sFolder, QObject* parent)
    : QObject(parent), Document(document), sFolder(std::move(sFolder)) {
    Writer.setMaxThreadCount(1);
    Delay.setSingleShot(true);
    Delay.setInterval(iDelayMs);
    connect(&Delay, &QTimer::timeout, this, &TCrashJournal::WriteNow);
    connect(&document, &TEditorDocument::Changed, this, &TCrashJournal::DocumentChanged);
    connect(&document, &TEditorDocument::ModifiedChanged, this, [this](bool bModified) {
        if (!bModified)
            Discard();
    });
}

TCrashJournal::~TCrashJournal() {
    Writer.waitForDone();
}

void TCrashJournal::DocumentChanged() {
    // A running delay is not restarted, so steady typing is journalled too.
    if (Document.IsModified() && !Delay.isActive())
        Delay.start();
}

QString TCrashJournal::PendingProject() const {
    const QString sJournal = JournalFolder(sFolder);
    TJournalState state;
    return !sJournal.isEmpty() && ReadState(sJournal + u'/' + sStateName, state) ? state.sProjectFile : QString();
}

bool TCrashJournal::Recover(TProjectDocument& target, QMap<QString, QString>& fileTexts) {
    const QString sJournal = JournalFolder(sFolder);
    TJournalState state;
    if (sJournal.isEmpty() || !ReadState(sJournal + u'/' + sStateName, state)) {
        sLastError = QStringLiteral("The recovery folder <") + sFolder + QStringLiteral("> holds no journal");
        return false;
    }
    if (!target.Open(sJournal + u'/' + sProjectName)) {
        sLastError = target.GetLastError();
        return false;
    }
    target.Project.sFullProjectName = state.sProjectFile;
    target.Project.sLoadedProjectPath = state.sLoadedPath;
    target.Project.bTemplate = state.bTemplate ? 1 : 0;
    target.EditableFiles = state.EditableFiles;
    target.UpLoadIncludeList = state.UpLoadIncludeList;
    fileTexts = state.FileTexts;
    return true;
}

void TCrashJournal::WriteNow() {
    Delay.stop();
    if (!Document.IsModified())
        return;
    auto copy = std::make_shared<TProjectDocument>();
    const TProjectDocument& data = Document.Data();
    copy->Project.CopyContentsFrom(data.Project);
    copy->EditableFiles = data.EditableFiles;
    copy->UpLoadIncludeList = data.UpLoadIncludeList;
    const TJournalState state{data.Project.sFullProjectName, data.Project.sLoadedProjectPath,
                              data.Project.bTemplate == 1,   data.EditableFiles,
                              data.UpLoadIncludeList,        Document.FileTexts()};
    Writer.start([sFolder = sFolder, copy, state] { WriteJournal(sFolder, *copy, state); });
}

void TCrashJournal::Discard() {
    Delay.stop();
    Writer.start([sFolder = sFolder] {
        for (const QString& sName : {sJournalName, sStagingName, sFormerName})
            QDir(sFolder + u'/' + sName).removeRecursively();
    });
}

void TCrashJournal::WaitForWrites() {
    Writer.waitForDone();
}
