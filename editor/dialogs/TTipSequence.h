#pragma once

#include <QString>
#include <QStringList>

class IClock;

// Which quick tip the tips window shows. Sequential mode steps through the
// list and wraps; random mode picks by the tick count.
class TTipSequence {
public:
    TTipSequence(QStringList tips, const IClock& clock);

    // The fixed tips, one per line of the resource file.
    static QStringList LoadTips();

    int Count() const { return int(Tips.size()); }
    int CurrentIndex() const { return iCurrentTip; }
    // Brings the index into range and answers the tip shown.
    QString Current();
    // Advances (randomly or to the following tip) and answers the tip shown.
    QString Next(bool bRandomTips);

private:
    QStringList Tips;
    const IClock& Clock;
    int iCurrentTip = 0;
};
