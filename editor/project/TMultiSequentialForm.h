#pragma once

#include "TContentList.h"

#include <QDialog>

#include <vector>

class IEditorServices;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TFormatGrid;
class THTMLEditForm;
class TZEPInstance;
class TZEPProject;
struct TLayerFields;

// "Multiple Sequential Layers": switches the feature on for the project and
// edits the current popup's layers, each with its own content string, size,
// place and link text. The dialog works on a copy of the popup's content
// list; the caller takes it over after OK (Content), so Cancel discards every
// change. OK also writes the popup's rotation flag.
class TMultiSequentialForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int iMaxNumberLength = 4;

    explicit TMultiSequentialForm(IEditorServices& oServices, QWidget* parent = nullptr);
    ~TMultiSequentialForm() override;

    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* EnableMultipleSequentialLayersBox = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* EditingGroup = nullptr;
    TFormatGrid* ContentTable = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QCheckBox* RotModeBox = nullptr;
    QGroupBox* ContentEditGroup = nullptr;
    QPlainTextEdit* LinkMemo = nullptr;
    QLineEdit* WidthEdit = nullptr;
    QLineEdit* HeightEdit = nullptr;
    QLineEdit* LeftEdit = nullptr;
    QLineEdit* TopEdit = nullptr;
    QLabel* LocationLabel = nullptr;
    QComboBox* LocationListBox = nullptr;
    QCheckBox* RelativPositionBox = nullptr;
    QLineEdit* LinkTextEdit = nullptr;
    QPushButton* SetBtn = nullptr;
    QPushButton* SetAllBtn = nullptr;
    QPushButton* AddImageTemplateBtn = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    THTMLEditForm* HTMLEditForm = nullptr;

    // Opens the dialog modally (through the services) for the popup oInstance
    // of oProject with the switch set to bMode; answers the modal result.
    int ShowModal(bool bMode, TZEPProject& oProject, TZEPInstance& oInstance);
    // The edited copy of the popup's content list and the switch.
    const TContentList& Content() const { return WorkingContent; }
    bool IsSwitchOn() const;

    void AddBtnClick();
    void DeleteBtnClick();
    void SetBtnClick();
    void SetAllBtnClick();
    // Opens the content string editor for the layer of the row.
    void EditLayerHTML(int iRow);

private:
    QGroupBox* BuildSwitchGroup();
    QGroupBox* BuildEditingGroup();
    QGroupBox* BuildContentEditGroup();
    // Refills the grid from the working copy; false without a main content.
    bool UpdateDisplayFromContent();
    // The enabled, visible and loaded states of every control.
    void SetVisibility();
    void LoadFields(const TContentItem& oItem);
    TLayerFields ReadFields() const;
    int IndexOfItem(const TContentItem* oItem) const;
    void SwitchClick();
    void RelativPositionBoxClick(bool bChecked);
    void OKBtnClick();

    IEditorServices& oServices;
    TZEPProject* oCurrentProject = nullptr;
    TZEPInstance* oCurrentInstance = nullptr;
    TContentItem* oCurrentContent = nullptr;
    TContentList WorkingContent;
    std::vector<TContentItem*> RowItems; // the item of each grid row
    bool bRefreshContent = false;
    bool bUpdating = false;
    bool bInitialMode = false;
};
