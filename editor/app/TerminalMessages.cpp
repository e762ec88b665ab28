#include "TerminalMessages.h"

#include "TLog.h"

#include <QPointer>
#include <QThread>

#include <algorithm>
#include <iterator>

namespace TerminalMessages {

namespace {

QtMessageHandler PreviousHandler = nullptr;
QPointer<TLog> SessionLog;
thread_local bool bLogging = false; // a message raised while logging one goes to the terminal only

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& sText) {
    if (IsNote(type, sText))
        return;
    if (!bLogging && SessionLog && SessionLog->thread() == QThread::currentThread()) {
        bLogging = true;
        SessionLog->Add(LogLine(type, sText));
        bLogging = false;
    }
    if (PreviousHandler)
        PreviousHandler(type, context, sText);
}

} // namespace

bool IsNote(QtMsgType type, const QString& sText) {
    if (type == QtDebugMsg || type == QtInfoMsg)
        return true;
    // Warnings that only say what the platform or the graphics set-up lacks:
    // the window and the browser engine work on without it (the engine draws
    // in software).
    static const char* const aNotes[] = {
        "This plugin does not support",
        "WebEngineContext used before QtWebEngineCore::initialize() or OpenGL context creation failed.",
        "No suitable graphics backend found",
    };
    return type == QtWarningMsg && std::any_of(std::begin(aNotes), std::end(aNotes), [&sText](const char* sNote) {
               return sText.startsWith(QLatin1String(sNote));
           });
}

QString LogLine(QtMsgType type, const QString& sText) {
    switch (type) {
    case QtWarningMsg:
        return QStringLiteral("Warning : ") + sText;
    case QtCriticalMsg:
    case QtFatalMsg:
        return QStringLiteral("Error : ") + sText;
    default:
        return sText;
    }
}

void Install() {
    PreviousHandler = qInstallMessageHandler(Filter);
}

void SetSessionLog(TLog* log) {
    SessionLog = log;
}

} // namespace TerminalMessages
