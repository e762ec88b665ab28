#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

// The "Method" group: when the popup opens and closes, how it enters and
// leaves, and which links open it.
class TMethodGroup : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int iDelayLength = 3;

    explicit TMethodGroup(QWidget* parent = nullptr);

    QCheckBox* OpenAfterBox = nullptr;
    QLineEdit* OpenAfterEdit = nullptr;
    QCheckBox* CloseAfterBox = nullptr;
    QLineEdit* CloseAfterEdit = nullptr;
    QCheckBox* PerSessionBox = nullptr;
    QComboBox* EntryEffectListBox = nullptr;
    QComboBox* ExitEffectListBox = nullptr;
    QCheckBox* OnExitBox = nullptr;
    QCheckBox* OnClickBox = nullptr;
    QCheckBox* MouseOverBox = nullptr;
    QCheckBox* MouseOutBox = nullptr;
    QCheckBox* ModalBox = nullptr;
    QPushButton* AdvancedMethodsBtn = nullptr;
    QPushButton* ScheduleBtn = nullptr;
};
