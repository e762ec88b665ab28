#pragma once

#include "TTipSequence.h"

#include <QColor>
#include <QDialog>

class IClock;
class QCheckBox;
class QFrame;
class QLabel;

// The quick tips window. Each opening picks a new panel colour and shows the
// current tip; every way of closing advances to the next tip, so the next
// opening shows another one.
class TTipsForm : public QDialog {
    Q_OBJECT
public:
    TTipsForm(const IClock& clock, QWidget* parent = nullptr);

    // Mirrors the main window's settings; the check box writes bShowTipsAtStartUp.
    bool bShowTipsAtStartUp = false;
    bool bRandomTips = false;
    QColor BackGroundColour;

    QCheckBox* ShowTipsBox = nullptr;

    int CurrentTip() const { return Tips.CurrentIndex(); }
    QString TipText() const;

    // The panel colour for a tick count: the hue (tick modulo 360) at full
    // intensity, lightened 80 per cent towards white.
    static QColor PanelColour(quint32 iTickCount);

public slots:
    void NextBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int iResult) override;

private:
    void ChooseColour();
    void ShowCurrentTip();
    void NextTip();

    const IClock& Clock;
    TTipSequence Tips;
    QFrame* Panel = nullptr;
    QLabel* TipLabel = nullptr;
};
