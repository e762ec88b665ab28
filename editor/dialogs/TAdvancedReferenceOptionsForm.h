#pragma once

#include <QDialog>

class IEditorServices;
class QCheckBox;
class QLineEdit;
class QPushButton;
class TZEPInstance;

// "Advanced Reference": a custom folder or web address from which the
// compiled popup loads its close and resize images. Like the advanced methods
// dialog, its controls are part of the instance editor and Cancel puts them
// back as they were when the dialog opened.
class TAdvancedReferenceOptionsForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int iMaxPathLength = 250;
    inline static const QString sChooseFolderCaption =
        QStringLiteral("Select the folder of the close and resize images:");

    explicit TAdvancedReferenceOptionsForm(IEditorServices& oServices, QWidget* parent = nullptr);

    QCheckBox* UseCustomBox = nullptr;
    QLineEdit* UseCustomPathEdit = nullptr;
    QPushButton* BrowseBtn = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    void ShowInstance(const TZEPInstance& oInstance);
    void StoreInstance(TZEPInstance& oInstance) const;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int iResult) override;

private:
    void ChangeEditability();
    void BrowseBtnClick();

    IEditorServices& oServices;
    // The values when the dialog was shown, for Cancel.
    bool bUseCustom = false;
    QString sPreviousPath;
};
