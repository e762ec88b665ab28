#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

// A device the preview lays the page out for: its CSS size (0 x 0 for the
// pane's own size) and whether it has touch and a coarse pointer.
struct TPreviewDevice {
    const char* sName;
    int iWidth;
    int iHeight;
    bool bTouch;
};

inline constexpr TPreviewDevice PreviewDevices[] = {
    {"Desktop", 0, 0, false},
    {"Phone 360 x 640", 360, 640, true},
    {"Phone 390 x 844", 390, 844, true},
    {"Tablet 768 x 1024", 768, 1024, true},
    {"Laptop 1280 x 800", 1280, 800, false},
};

// What the visitor does next in the preview.
enum class CVisitorAction { vaSkipDelay, vaNewVisit, vaNewSession, vaNextDay, vaResetVisitor, vaExitIntent };

// The tool bar above the embedded preview: the device, the visitor's actions
// and the current popup's decision for this visit ("Why:").
class TPreviewToolBar : public QWidget {
    Q_OBJECT
public:
    explicit TPreviewToolBar(QWidget* parent = nullptr);

    // Chooses the device by name without signalling; an unknown name leaves the choice.
    void SetDevice(const QString& sName);
    void SetWhy(const QString& sText);
    QString Why() const;

signals:
    void DeviceChosen(const TPreviewDevice& device);
    void ActionChosen(CVisitorAction action);

private:
    QComboBox* DeviceBox;
    QLineEdit* WhyEdit;
};
