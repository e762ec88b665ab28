// The standalone instance editor: key filters, colour and font entry, the
// URL option, the named handlers, its signals, hints, help pictures and its
// accessibility.
#include "InstanceEditorFixture.h"

#include "ColourUtils.h"
#include "EditorCaptions.h"
#include "TAdvancedMethodsOptionsForm.h"
#include "TAdvancedReferenceOptionsForm.h"
#include "TAppearanceGroup.h"
#include "TColourSwatch.h"
#include "TContentEditor.h"
#include "THelpPicture.h"
#include "TMethodGroup.h"
#include "TProfileFile.h"
#include "TReferenceGroup.h"
#include "TSizePositionGroup.h"

#include <QAccessible>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest/QTest>

namespace {

QLineEdit* ColourEdit(TInstanceEditor* editor, int iRow) {
    return editor->Appearance().ColourEdits[size_t(iRow)];
}

TEST_F(InstanceEditorTest, PastedColourTextIsUpperCasedAndANonHexCharacterChangesNothing) {
    Open(QStringLiteral("Default"));
    QLineEdit* edit = ColourEdit(Editor, TAppearanceGroup::crText);
    Paste(edit, QStringLiteral("00ff7f"));
    EXPECT_EQ(edit->text(), QStringLiteral("00FF7F"));
    EXPECT_EQ(Instance().TextPanelColour, MakeColour(0x00, 0xFF, 0x7F));

    Services.ExpectQuestion(QStringLiteral("Illegal Hexadecimal Character"), QMessageBox::Ok);
    Paste(edit, QStringLiteral("12XY56"));
    Services.VerifyAllAsked();
    EXPECT_EQ(Editor->Appearance().ColourBoxes[TAppearanceGroup::crText]->Colour(), MakeColour(0x00, 0xFF, 0x7F));
    EXPECT_EQ(Instance().TextPanelColour, MakeColour(0x00, 0xFF, 0x7F));
}

TEST_F(InstanceEditorTest, DigitsOnlyFieldsKeepOnlyTheDigitsTypedOrPasted) {
    Open(QStringLiteral("Default"));
    QLineEdit* width = Editor->SizePosition().WidthEdit;
    TypeInto(width, QStringLiteral("3x2-1"));
    EXPECT_EQ(width->text(), QStringLiteral("321"));
    Paste(width, QStringLiteral("a4b5c"));
    EXPECT_EQ(width->text(), QStringLiteral("45"));
    EXPECT_EQ(Instance().iWidth, 45);
    TypeInto(Editor->Method().OpenAfterEdit, QStringLiteral("12345"));
    EXPECT_EQ(Editor->Method().OpenAfterEdit->text(), QStringLiteral("123")) << "at most 3 characters";
}

TEST_F(InstanceEditorTest, TheUniqueIDTakesLettersAndDigitsButNoDigitFirst) {
    Open(QStringLiteral("Default"));
    QLineEdit* id = Editor->Reference().UniqueIDEdit;
    TypeInto(id, QStringLiteral("1a-b_2 c"));
    EXPECT_EQ(id->text(), QStringLiteral("ab2c"));
    id->setCursorPosition(0);
    QTest::keyClicks(id, QStringLiteral("7"));
    EXPECT_EQ(id->text(), QStringLiteral("ab2c"));
    Paste(id, QStringLiteral("9lives"));
    EXPECT_EQ(id->text(), QStringLiteral("ab2c")) << "a pasted id may not start with a digit either";
    Paste(id, QStringLiteral("pop-up 1"));
    EXPECT_EQ(id->text(), QStringLiteral("popup1"));
    EXPECT_EQ(Instance().sUniqueID, QStringLiteral("popup1"));
    TypeInto(id, QStringLiteral("abcdefghijklmnopq"));
    EXPECT_EQ(id->text().size(), 15);
}

TEST_F(InstanceEditorTest, PastedLinesBecomeOneLineInTheTitleAndTheAddress) {
    Open(QStringLiteral("Default"));
    Editor->Reference().URLBox->click();
    for (QLineEdit* edit : {Editor->Reference().TitleEdit, Editor->Reference().URLEdit}) {
        Paste(edit, QStringLiteral("one\r\ntwo\tthree\n"));
        EXPECT_EQ(edit->text(), QStringLiteral("one  two three ")) << edit->objectName().toStdString();
    }
    EXPECT_EQ(Instance().sTitle, QStringLiteral("one  two three "));
    EXPECT_EQ(Instance().sURL, QStringLiteral("one  two three "));
    EXPECT_EQ(Instance().HTMLFile.size(), 1) << "the inline frame stays one line";
}

TEST_F(InstanceEditorTest, TheLongestAddressTheFieldTakesComesBackWholeFromTheProjectFile) {
    Open(QStringLiteral("Default"));
    Editor->Reference().URLBox->click();
    Paste(Editor->Reference().URLEdit, QStringLiteral("http://a.example/?q=") + QString(3000, u'x'));
    const QString sURL = Instance().sURL;
    EXPECT_GT(sURL.size(), 2000);
    TProfileFile written;
    written.WriteString(QStringLiteral("POPUP"), QStringLiteral("URL"), sURL);
    TProfileFile read;
    read.LoadFromText(written.ToText());
    EXPECT_EQ(read.ReadString(QStringLiteral("POPUP"), QStringLiteral("URL"), QString()), sURL);
}

TEST_F(InstanceEditorTest, TheURLOptionShowsTheAddressInAFrameAndGivesTheContentBack) {
    Open(QStringLiteral("Default"));
    const QStringList original = Instance().HTMLFile;
    Editor->Reference().URLBox->click();
    EXPECT_EQ(Instance().HTMLFile, QStringList{TInstanceEditor::InlineFrameText(QString())});
    TypeInto(Editor->Reference().URLEdit, QStringLiteral("http://a.example/"));
    EXPECT_EQ(Instance().HTMLFile[0],
              QStringLiteral("<iframe src=\"http://a.example/\" name=\"zepiframe\" id=\"zepiframe\" width=100% "
                             "height=100% align=\"center\" Frameborder=\"0\" Scrolling=\"no\" marginheight=\"0\" "
                             "marginwidth=\"0\"></iframe>"));
    Editor->Content().HTMLMemo->appendPlainText(QStringLiteral("<p>kept</p>"));
    QTest::keyClicks(Editor->Reference().URLEdit, QStringLiteral("b"));
    EXPECT_EQ(Instance().HTMLFile, (QStringList{TInstanceEditor::InlineFrameText(QStringLiteral("http://a.example/b")),
                                                QStringLiteral("<p>kept</p>")}))
        << "a new address replaces the first line only";
    Editor->Reference().URLBox->click();
    EXPECT_EQ(Instance().HTMLFile, original);
    EXPECT_EQ(Instance().bURLSelected, 0);
}

TEST_F(InstanceEditorTest, ALinkTriggerUnchecksTheOtherTwoAndOpenAfter) {
    Open(QStringLiteral("Default"));
    TMethodGroup& m = Editor->Method();
    m.EntryEffectListBox->setCurrentIndex(0);
    if (!m.OpenAfterBox->isChecked())
        m.OpenAfterBox->click();
    ASSERT_TRUE(m.OpenAfterBox->isEnabled());
    EXPECT_FALSE(m.MouseOverBox->isEnabled()) << "open after, not forced, locks the links";
    EXPECT_FALSE(m.OnClickBox->isEnabled());
    m.OpenAfterBox->click();
    m.OnClickBox->click();
    m.MouseOverBox->click();
    EXPECT_TRUE(m.MouseOverBox->isChecked());
    EXPECT_FALSE(m.OnClickBox->isChecked());
    EXPECT_FALSE(m.OpenAfterBox->isChecked());
    EXPECT_EQ(Instance().bMouseOver, 1);
    EXPECT_EQ(Instance().bOnClick, 0);
    EXPECT_FALSE(m.PerSessionBox->isEnabled());
}

TEST_F(InstanceEditorTest, AnEffectAndAFixedLocationForceOpeningAndZeroTheLeftPosition) {
    Open(QStringLiteral("ClickPopup"));
    TMethodGroup& m = Editor->Method();
    for (QCheckBox* box : {m.OnClickBox, m.MouseOverBox, m.MouseOutBox})
        if (box->isChecked())
            box->click();
    m.EntryEffectListBox->setCurrentIndex(0);
    Editor->SizePosition().LocationListBox->setCurrentText(QStringLiteral("Manual"));
    m.OpenAfterEdit->setText(QStringLiteral("0"));
    TypeInto(Editor->SizePosition().LeftEdit, QStringLiteral("30"));
    m.EntryEffectListBox->setCurrentText(QStringLiteral("Drop-in from top"));
    EXPECT_EQ(Editor->SizePosition().LeftEdit->text(), QStringLiteral("0"));
    Editor->SizePosition().LocationListBox->setCurrentText(QStringLiteral("Top center"));
    EXPECT_TRUE(m.OpenAfterBox->isChecked());
    EXPECT_FALSE(m.OpenAfterBox->isEnabled());
    EXPECT_EQ(m.OpenAfterEdit->text(), QStringLiteral("1"));
    EXPECT_EQ(Instance().bOpenAfterSelected, 1);
    EXPECT_EQ(Instance().iOpenAfterDelay, 1);
    EXPECT_EQ(Instance().iLeft, 0);
    EXPECT_EQ(Instance().Location, ltTopCentre);
}

TEST_F(InstanceEditorTest, TheExitEffectSetsCloseAfterAndGreyOutClearsIt) {
    Open(QStringLiteral("Default"));
    TMethodGroup& m = Editor->Method();
    m.EntryEffectListBox->setCurrentIndex(0);
    for (QCheckBox* box : {m.ModalBox, m.OpenAfterBox, m.OnExitBox})
        if (box->isChecked())
            box->click();
    m.ExitEffectListBox->setCurrentText(QStringLiteral("Fade-out"));
    EXPECT_TRUE(m.CloseAfterBox->isChecked());
    EXPECT_EQ(Instance().ExitEffect, xeFadeOut);
    m.ExitEffectListBox->setCurrentText(QStringLiteral("No exit effect"));
    EXPECT_FALSE(m.CloseAfterBox->isChecked());
    m.ExitEffectListBox->setCurrentText(QStringLiteral("Slide-out to right"));
    m.ModalBox->click();
    EXPECT_EQ(m.ExitEffectListBox->currentText(), QStringLiteral("No exit effect"));
    EXPECT_FALSE(m.ExitEffectListBox->isEnabled());
    EXPECT_TRUE(m.OnClickBox->isEnabled()) << "grey-out alone leaves on-click available";
    EXPECT_FALSE(m.MouseOverBox->isEnabled());
}

TEST_F(InstanceEditorTest, SizesStayWithinTheirLimits) {
    Open(QStringLiteral("Default"));
    TAppearanceGroup& a = Editor->Appearance();
    TypeInto(a.BorderEdit, QStringLiteral("16"));
    EXPECT_EQ(a.BorderEdit->text(), QStringLiteral("15"));
    EXPECT_EQ(Instance().iBorderSize, 15);

    TSizePositionGroup& s = Editor->SizePosition();
    TypeInto(s.WidthEdit, QStringLiteral("5"));
    EXPECT_EQ(s.WidthEdit->text(), QStringLiteral("5")) << "checked only when the field is left";
    Leave(s.WidthEdit);
    EXPECT_EQ(s.WidthEdit->text(), QStringLiteral("50"));
    TypeInto(s.HeightEdit, QString());
    Leave(s.HeightEdit);
    EXPECT_EQ(s.HeightEdit->text(), QStringLiteral("50"));
    EXPECT_EQ(Instance().iWidth, 50);
    EXPECT_EQ(Instance().iHeight, 50);
}

TEST_F(InstanceEditorTest, FullWidthAndHeightLocksEverythingButTheLeftPosition) {
    Open(QStringLiteral("Default"));
    TSizePositionGroup& s = Editor->SizePosition();
    s.LocationListBox->setCurrentText(QStringLiteral("Full width & height"));
    for (QWidget* control : std::initializer_list<QWidget*>{s.WidthEdit, s.HeightEdit, s.CanResizeBox, s.TopEdit,
                                                            Editor->Appearance().ShadowBox})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    EXPECT_TRUE(s.LeftEdit->isEnabled());
    EXPECT_EQ(s.TopEdit->text(), QStringLiteral("0"));
    EXPECT_EQ(Instance().bShadow, 0);
    EXPECT_EQ(Instance().bCanResize, 0);
}

TEST_F(InstanceEditorTest, SlideInFromRightLocksFollowScrollAndTransparencyLocksBorderAndShadow) {
    Open(QStringLiteral("Default"));
    Editor->Method().EntryEffectListBox->setCurrentText(QStringLiteral("Slide-in from right"));
    EXPECT_TRUE(Editor->SizePosition().FollowScrollBox->isChecked());
    EXPECT_FALSE(Editor->SizePosition().FollowScrollBox->isEnabled());
    TAppearanceGroup& a = Editor->Appearance();
    a.BackgroundTransparentBox->click();
    EXPECT_FALSE(a.BorderBox->isChecked());
    EXPECT_FALSE(a.BorderBox->isEnabled());
    EXPECT_FALSE(a.ShadowBox->isChecked());
    EXPECT_FALSE(a.ColourBoxes[TAppearanceGroup::crBackground]->isEnabled());
    EXPECT_EQ(Instance().bBorder, 0);
    EXPECT_EQ(Instance().bFollowScroll, 1);
}

TEST_F(InstanceEditorTest, AnotherPopupsExitIntentDisablesOnExitHere) {
    auto project = LoadTemplate(QStringLiteral("Default"));
    project->bMultipleInstances = 1;
    auto second = project->CreateInstance();
    second->sUniqueID = QStringLiteral("second");
    second->bOnExit = 1;
    project->InstanceList.Add(std::move(second));
    Use(std::move(project));
    EXPECT_TRUE(Tabs->isVisible()) << "several popups show their tabs";
    EXPECT_FALSE(Editor->Method().OnExitBox->isEnabled());
    Tabs->setCurrentIndex(1);
    EXPECT_TRUE(Editor->Method().OnExitBox->isEnabled()) << "the popup itself may keep it";
    EXPECT_EQ(Editor->Reference().UniqueIDEdit->text(), QStringLiteral("second"));
}

TEST_F(InstanceEditorTest, ChangesAreSignalledByKind) {
    Open(QStringLiteral("Default"));
    QSignalSpy now(Editor, &TInstanceEditor::InterfaceChanged);
    QSignalSpy later(Editor, &TInstanceEditor::InterfaceChangedNoPreview);
    QSignalSpy check(Editor, &TInstanceEditor::PreviewCheckRequested);
    Editor->Appearance().ScrollbarsBox->click();
    EXPECT_EQ(now.count(), 1);
    EXPECT_EQ(Instance().bScrollBars, 1);

    TypeInto(Editor->Reference().TitleEdit, QStringLiteral("Hi"));
    EXPECT_EQ(now.count(), 1) << "a typed title waits for the field to be left";
    EXPECT_GE(later.count(), 1);
    EXPECT_EQ(Instance().sTitle, QStringLiteral("Hi"));
    check.clear();
    Leave(Editor->Reference().TitleEdit);
    EXPECT_GE(check.count(), 1);
    check.clear();
    QTest::mouseClick(Editor->Content().HTMLMemo->viewport(), Qt::LeftButton);
    EXPECT_EQ(check.count(), 1) << "clicking into the content editor";
    check.clear();
    QTest::mouseClick(Editor->Reference().UniqueIDEdit, Qt::LeftButton);
    EXPECT_EQ(check.count(), 0) << "but not into the unique ID";
}

TEST_F(InstanceEditorTest, ChangingTheTabShowsThePopupWithoutAChange) {
    Document.Project().CopyContentsFrom(*LoadTemplate(QStringLiteral("Default")));
    Editor->SetDocument(&Document, Tabs);
    QSignalSpy instance(Editor, &TInstanceEditor::InstanceChanged);
    QSignalSpy now(Editor, &TInstanceEditor::InterfaceChanged);
    ShowTabs();
    EXPECT_EQ(instance.count(), 1);
    EXPECT_EQ(now.count(), 0);
    EXPECT_EQ(Editor->Reference().TitleEdit->text(), Instance().sTitle);
}

TEST_F(InstanceEditorTest, SwatchAndFontButtonAskTheirDialogs) {
    Open(QStringLiteral("Default"));
    QSignalSpy now(Editor, &TInstanceEditor::InterfaceChanged);
    TColourSwatch* swatch = Editor->Appearance().ColourBoxes[TAppearanceGroup::crShadow];
    const quint32 before = swatch->Colour();
    Services.ExpectDialog(QStringLiteral("ColourDialog"), [before](QDialog& dialog) {
        const QColor shown = static_cast<QColorDialog&>(dialog).currentColor();
        EXPECT_EQ(MakeColour(shown.red(), shown.green(), shown.blue()), before) << "starts at the swatch's colour";
        dialog.reject();
    });
    swatch->click();
    EXPECT_EQ(swatch->Colour(), before) << "cancelled";
    EXPECT_EQ(now.count(), 1) << "a cancelled colour dialog still counts as a change";
    Services.ExpectDialog(QStringLiteral("ColourDialog"), [](QDialog& dialog) {
        static_cast<QColorDialog&>(dialog).setCurrentColor(QColor(0x12, 0x34, 0x56));
        dialog.accept();
    });
    swatch->click();
    EXPECT_EQ(ColourEdit(Editor, TAppearanceGroup::crShadow)->text(), QStringLiteral("123456"));
    EXPECT_EQ(Instance().ShadowColour, MakeColour(0x12, 0x34, 0x56));

    QString sChosenFamily;
    Services.ExpectDialog(QStringLiteral("FontDialog"), [&sChosenFamily](QDialog& dialog) {
        auto& fontDialog = static_cast<QFontDialog&>(dialog);
        QFont font = fontDialog.currentFont();
        font.setPointSize(12);
        font.setItalic(true);
        fontDialog.setCurrentFont(font);
        sChosenFamily = fontDialog.currentFont().family();
        dialog.accept();
    });
    const quint32 fontColour = Editor->CurrentFont().Colour;
    QTest::mouseClick(Editor->Appearance().FontBtn, Qt::LeftButton);
    EXPECT_EQ(Editor->CurrentFont().sName, sChosenFamily);
    EXPECT_EQ(Editor->CurrentFont().PointSize(), 12);
    EXPECT_TRUE(Editor->CurrentFont().bItalic);
    EXPECT_EQ(Editor->CurrentFont().Colour, fontColour) << "the dialog has no colour to change";
    EXPECT_TRUE(Instance().Font == Editor->CurrentFont());
    const int iChanges = int(now.count());
    Services.ExpectDialog(QStringLiteral("FontDialog"), [](QDialog& dialog) { dialog.reject(); });
    QTest::mouseClick(Editor->Appearance().FontBtn, Qt::LeftButton);
    EXPECT_EQ(now.count(), iChanges) << "a cancelled font dialog changes nothing";
}

TEST_F(InstanceEditorTest, ThePointerRestingOnAControlGivesItsHintInsteadOfATooltip) {
    Open(QStringLiteral("Default"));
    QSignalSpy hints(Editor, &TInstanceEditor::HintChanged);
    QLineEdit* edit = ColourEdit(Editor, TAppearanceGroup::crBorder);
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
    EXPECT_TRUE(QApplication::sendEvent(edit, &tip));
    ASSERT_EQ(hints.count(), 1);
    EXPECT_EQ(hints.takeFirst().at(0).toString(), QStringLiteral("Border Color Hex Value"));
    Editor->Method().EntryEffectListBox->setCurrentText(QStringLiteral("Drop-in & bounce"));
    ASSERT_EQ(hints.count(), 1);
    EXPECT_EQ(hints.takeFirst().at(0).toString(), QStringLiteral("Bounce"));
}

TEST_F(InstanceEditorTest, TheHelpPicturesAskForTheirKeywordsAndShowThreePictures) {
    Open(QStringLiteral("Default"));
    QSignalSpy help(Editor, &TInstanceEditor::HelpRequested);
    const std::vector<std::pair<THelpPicture*, const char*>> pictures = {
        {Editor->Reference().IDHelp, "id"},
        {Editor->Reference().TitleHelp, "title"},
        {Editor->Reference().URLHelp, "using an iframe"},
        {Editor->Content().HTMLHelp, "HTML"},
    };
    for (const auto& [picture, sKeyword] : pictures) {
        QTest::mouseClick(picture, Qt::LeftButton);
        ASSERT_EQ(help.count(), 1);
        EXPECT_EQ(help.takeFirst().at(0).toString(), QString::fromUtf8(sKeyword));
    }
    THelpPicture* picture = Editor->Reference().IDHelp;
    QEnterEvent enter(QPointF(4, 4), QPointF(4, 4), picture->mapToGlobal(QPointF(4, 4)));
    QApplication::sendEvent(picture, &enter);
    EXPECT_EQ(picture->Picture(), THelpPicture::hpHighlighted);
    QTest::mousePress(picture, Qt::LeftButton);
    EXPECT_EQ(picture->Picture(), THelpPicture::hpPressed);
    QTest::mouseRelease(picture, Qt::LeftButton);
    EXPECT_EQ(picture->Picture(), THelpPicture::hpHighlighted);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(picture, &leave);
    EXPECT_EQ(picture->Picture(), THelpPicture::hpNormal);
}

TEST_F(InstanceEditorTest, AdvancedButtonsRunTheirDialogsAndOkIsAChangeOfThePopup) {
    Open(QStringLiteral("Default"));
    QSignalSpy changes(Editor, &TInstanceEditor::InterfaceChanged);
    Services.ExpectDialog(QStringLiteral("AdvancedReferenceOptionsForm"), [](QDialog& dialog) {
        auto& form = static_cast<TAdvancedReferenceOptionsForm&>(dialog);
        form.UseCustomBox->click();
        form.CancelBtn->click();
    });
    Services.ExpectDialog(QStringLiteral("AdvancedMethodsOptionsForm"), [](QDialog& dialog) {
        auto& form = static_cast<TAdvancedMethodsOptionsForm&>(dialog);
        form.ControlProbabilityBox->setChecked(true);
        form.ProbabilityEdit->setText(QStringLiteral("40"));
        form.OKBtn->click();
    });
    const quint8 bUseCustom = Instance().bUseCustom;
    Editor->Reference().AdvancedReferenceBtn->click();
    Editor->Method().AdvancedMethodsBtn->click();
    EXPECT_EQ(changes.count(), 1) << "only OK is a change";
    EXPECT_EQ(Instance().bUseCustom, bUseCustom) << "Cancel put the box back";
    EXPECT_EQ(Instance().bControlProbablility, 1);
    EXPECT_EQ(Instance().iProbabilityPercent, 40);
}

TEST_F(InstanceEditorTest, EveryControlHasItsCaptionAsAccessibleName) {
    const QList<QWidget*> controls = Editor->findChildren<QWidget*>();
    int iChecked = 0;
    for (QWidget* control : controls) {
        const bool bInteractive = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                                  qobject_cast<QComboBox*>(control) || qobject_cast<QPlainTextEdit*>(control);
        // A combo box's own line editor and pop-up belong to the combo box.
        if (!bInteractive || qobject_cast<QComboBox*>(control->parentWidget()))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        // On this platform a list box gives its current entry as its name and
        // its caption as its accessible name.
        const QString sName =
            qobject_cast<QComboBox*>(control) ? control->accessibleName() : accessible->text(QAccessible::Name);
        EXPECT_FALSE(sName.isEmpty()) << control->objectName().toStdString();
        if (qobject_cast<THelpPicture*>(control)) {
            EXPECT_TRUE(sName.startsWith(QStringLiteral("Help on "))) << sName.toStdString();
            continue;
        }
        const auto found = std::find_if(aEditorCaptions.begin(), aEditorCaptions.end(), [control](const auto& entry) {
            return control->objectName() == QString::fromUtf8(entry.first);
        });
        ASSERT_NE(found, aEditorCaptions.end())
            << "a control without a caption: " << control->objectName().toStdString();
        EXPECT_EQ(sName, QString::fromUtf8(found->second));
        ++iChecked;
    }
    EXPECT_EQ(iChecked, int(aEditorCaptions.size()));
}

TEST_F(InstanceEditorTest, TheTabKeyWalksTheGroupsInOrder) {
    const std::vector<QWidget*> groups = {&Editor->Reference(), &Editor->Method(), &Editor->Appearance(),
                                          &Editor->SizePosition(), &Editor->Content()};
    QWidget* control = Editor->Reference().UniqueIDEdit;
    size_t iGroup = 0;
    int iSteps = 0;
    while (control != Editor->Content().HTMLMemo && iSteps++ < 200) {
        control = control->nextInFocusChain();
        if (!(control->focusPolicy() & Qt::TabFocus) || !Editor->isAncestorOf(control))
            continue;
        while (iGroup < groups.size() && !groups[iGroup]->isAncestorOf(control))
            ++iGroup;
        ASSERT_LT(iGroup, groups.size()) << "out of order: " << control->objectName().toStdString();
    }
    EXPECT_EQ(control, Editor->Content().HTMLMemo);
}

} // namespace
