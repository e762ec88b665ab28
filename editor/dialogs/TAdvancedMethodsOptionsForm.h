#pragma once

#include "TLinkList.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TZEPInstance;
class TZEPProject;

// "Advanced Methods": how often and with what probability the popup shows,
// the site-wide values and the picture that serves as the popup's link. The
// controls belong to the instance editor: the main window writes the shown
// instance into them and reads them back; the dialog only lets the user
// change them, and puts them back when the user cancels.
class TAdvancedMethodsOptionsForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int iFormHeight = 528;

    explicit TAdvancedMethodsOptionsForm(QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;
    QCheckBox* OncePerBox = nullptr;
    QLineEdit* NumberDaysEdit = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QCheckBox* ControlProbabilityBox = nullptr;
    QLineEdit* ProbabilityEdit = nullptr;
    QCheckBox* SiteWideBox = nullptr;
    QGroupBox* SiteWideGroup = nullptr;
    QLineEdit* TryOnceEdit = nullptr;
    QLineEdit* TryAgainEdit = nullptr;
    QGroupBox* LinkSelectionGroup = nullptr;
    QLabel* ImageLinkLabel = nullptr;
    QComboBox* LinkListBox = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

    // The project whose sequential layers switch locks the link list; may be null.
    void SetProject(const TZEPProject* oProject) { oCurrentProject = oProject; }

    // Writes the instance's values into the controls.
    void ShowInstance(const TZEPInstance& oInstance);
    // Reads the controls back into the instance (text that is not a number gives 0).
    void StoreInstance(TZEPInstance& oInstance) const;

    // Rebuilds the link list from FileList when one is given, then selects the
    // entry of sLink and takes it as the image link. A link that names no
    // attached picture selects the textual entry and stays the image link.
    void SetImageLink(const QString& sLink, const QStringList* FileList);
    // The selected image link; empty for the textual link.
    QString GetImageLink() const { return sImageLink; }
    // The link objects of the list's entries, in list order.
    const std::vector<TLinkEntry>& LinkEntries() const { return Links; }

    // The enabled states that follow the check boxes and the project.
    void ChangeEditability();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int iResult) override;

private:
    QGroupBox* BuildFrequencyGroup();
    QGroupBox* BuildProbabilityGroup();
    QGroupBox* BuildSiteWideGroup();
    QGroupBox* BuildLinkSelectionGroup();
    void LinkListBoxChange(int iIndex);
    void ShowSelectedColour();
    void RememberValues();
    void RestoreValues();

    const TZEPProject* oCurrentProject = nullptr;
    std::vector<TLinkEntry> Links;
    QString sImageLink;

    // The values when the dialog was shown, for Cancel.
    bool bOncePer = false;
    QString sPreviousDays;
    bool bControlProbability = false;
    QString sPreviousProbability;
    bool bSiteWide = false;
    int iTryOnce = 0;
    int iTryAgain = 0;
    QString sImageLinkStore;
};
