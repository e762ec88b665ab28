#pragma once

#include <QTimer>
#include <QWidget>

class IClock;

// The start-up splash: a borderless picture centred on the screen. After the
// splash delay it lets the main program continue, then fades out in steps of
// 16 (of 255) every 20 milliseconds, for one second at most.
class TSplashForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int iFadeStep = 16;
    static constexpr int iFadeInterval = 20;
    static constexpr int iFadeTimeOut = 1000;

    explicit TSplashForm(const IClock& clock, QWidget* parent = nullptr);

    void SetDelay(int iMilliseconds) { SplashTimer.setInterval(iMilliseconds); }
    int Opacity() const { return iOpacity; }
    bool bStartMainProgram = false;

signals:
    // The splash delay is over: the start-up sequence may continue.
    void StartMainProgram();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void SplashTimerTimer();

    const IClock& Clock;
    QTimer SplashTimer;
    bool bFading = false;
    quint32 dwTimeOut = 0;
    int iOpacity = 255;
};
