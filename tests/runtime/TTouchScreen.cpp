#include "TTouchScreen.h"

#include "LoopWait.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QWebSocket>

namespace {

int DebuggingPort() {
    return 9300 + int(QCoreApplication::applicationPid() % 600);
}

// The debugging address of the first page whose address contains sUrlPart.
QUrl PageSocketUrl(const QString& sUrlPart) {
    QNetworkAccessManager network;
    std::unique_ptr<QNetworkReply> reply(
        network.get(QNetworkRequest(QUrl(QStringLiteral("http://127.0.0.1:%1/json").arg(DebuggingPort())))));
    if (!WaitUntil([&] { return reply->isFinished(); }, 10000)) {
        return {};
    }
    for (const QJsonValue& target : QJsonDocument::fromJson(reply->readAll()).array()) {
        if (target[QStringLiteral("url")].toString().contains(sUrlPart)) {
            return QUrl(target[QStringLiteral("webSocketDebuggerUrl")].toString());
        }
    }
    return {};
}

} // namespace

bool TTouchScreen::EnableRemoteDebugging() {
    return qputenv("QTWEBENGINE_REMOTE_DEBUGGING", QByteArray::number(DebuggingPort()));
}

TTouchScreen::TTouchScreen(const QString& sUrlPart) : oSocket(std::make_unique<QWebSocket>()) {
    const QUrl url = PageSocketUrl(sUrlPart);
    if (url.isValid()) {
        oSocket->open(url);
        WaitUntil([this] { return oSocket->state() == QAbstractSocket::ConnectedState; }, 10000);
    }
}

TTouchScreen::~TTouchScreen() = default;

bool TTouchScreen::IsOpen() const {
    return oSocket->state() == QAbstractSocket::ConnectedState;
}

bool TTouchScreen::Send(const QString& sMethod, const QString& sParams) {
    const int iId = iNextId++;
    bool bAnswered = false;
    const auto connection = QObject::connect(oSocket.get(), &QWebSocket::textMessageReceived, [&](const QString& s) {
        bAnswered = bAnswered || QJsonDocument::fromJson(s.toUtf8())[QStringLiteral("id")].toInt() == iId;
    });
    oSocket->sendTextMessage(
        QStringLiteral("{\"id\":%1,\"method\":\"%2\",\"params\":%3}").arg(iId).arg(sMethod, sParams));
    const bool bOk = WaitUntil([&] { return bAnswered; }, 5000);
    QObject::disconnect(connection);
    return bOk;
}

bool TTouchScreen::Touch(const char* sType, QPoint at) {
    const QString sPoints = QLatin1String(sType) == QLatin1String("touchEnd")
                                ? QStringLiteral("[]")
                                : QStringLiteral("[{\"x\":%1,\"y\":%2}]").arg(at.x()).arg(at.y());
    return Send(QStringLiteral("Input.dispatchTouchEvent"),
                QStringLiteral("{\"type\":\"%1\",\"touchPoints\":%2}").arg(QLatin1String(sType), sPoints));
}

bool TTouchScreen::Swipe(QPoint from, QPoint to, int iSteps, int iStepMs) {
    bool bOk = Touch("touchStart", from);
    for (int i = 1; i <= iSteps && bOk; ++i) {
        if (iStepMs > 0) {
            LetTimePass(iStepMs);
        }
        bOk = Touch("touchMove", from + (to - from) * i / iSteps);
    }
    return Touch("touchEnd", to) && bOk;
}

bool TTouchScreen::Tap(QPoint at) {
    return Touch("touchStart", at) && Touch("touchEnd", at);
}
