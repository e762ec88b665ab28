#pragma once

#include "TProfileFile.h"

#include <QGroupBox>

class QCheckBox;
class QLineEdit;
class QPushButton;
class THelpPicture;

// The "Reference" group: the popup's unique ID, its title and the address it
// shows in an inline frame.
class TReferenceGroup : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int iUniqueIDLength = 15;
    static constexpr int iTitleLength = 250;
    // The longest value that a project file gives back whole.
    static constexpr int iURLLength = TProfileFile::iMaxValueLength;

    explicit TReferenceGroup(QWidget* parent = nullptr);

    QLineEdit* UniqueIDEdit = nullptr;
    QCheckBox* TitleBox = nullptr;
    QLineEdit* TitleEdit = nullptr;
    QCheckBox* URLBox = nullptr;
    QLineEdit* URLEdit = nullptr;
    QPushButton* AdvancedReferenceBtn = nullptr;
    THelpPicture* IDHelp = nullptr;
    THelpPicture* TitleHelp = nullptr;
    THelpPicture* URLHelp = nullptr;
};
