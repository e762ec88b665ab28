#pragma once

#include <QPoint>
#include <QString>

#include <memory>

class QWebSocket;

// Real touch input for a test page, sent through the engine's remote debugging
// protocol (Input.dispatchTouchEvent), so the page sees trusted touch events and
// the engine scrolls and taps as on a phone. The program must have started the
// engine with remote debugging on the port (EnableRemoteDebugging before main).
class TTouchScreen {
public:
    // Opens the debugging connection to the page whose address contains sUrlPart.
    explicit TTouchScreen(const QString& sUrlPart);
    ~TTouchScreen();
    bool IsOpen() const;
    // Touches down at from, moves in iSteps even steps to to, iStepMs apart, and lifts.
    bool Swipe(QPoint from, QPoint to, int iSteps, int iStepMs);
    bool Tap(QPoint at);

    // Asks the engine to listen for remote debugging on a port of its own; call before main.
    static bool EnableRemoteDebugging();

private:
    bool Touch(const char* sType, QPoint at);
    bool Send(const QString& sMethod, const QString& sParams);

    std::unique_ptr<QWebSocket> oSocket;
    int iNextId = 1;
};
