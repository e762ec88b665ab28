// Filling the controls from a popup and writing them back.
#include "InstanceEditorFixture.h"

#include "ColourUtils.h"
#include "TAppearanceGroup.h"
#include "TColourSwatch.h"
#include "TContentEditor.h"
#include "TMethodGroup.h"
#include "TReferenceGroup.h"
#include "TSizePositionGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

TEST_F(InstanceEditorTest, TheControlsShowTheStoredValues) {
    const auto project = LoadTemplate(QStringLiteral("Default"));
    TZEPInstance& i = project->InstanceList.Instance(0);
    // The template closes without an exit effect; one is stored to see it shown.
    i.ExitEffect = xeFadeOut;
    Editor->UpdateDisplayFromInstance(&i);
    EXPECT_EQ(Editor->Reference().UniqueIDEdit->text(), QStringLiteral("welcome"));
    EXPECT_EQ(Editor->Reference().TitleBox->isChecked(), i.bTitleSelected == 1);
    EXPECT_EQ(Editor->Method().EntryEffectListBox->currentText(), QStringLiteral("Fade-in"));
    EXPECT_EQ(Editor->Method().ExitEffectListBox->currentText(), QStringLiteral("Fade-out"));
    EXPECT_EQ(Editor->SizePosition().LocationListBox->currentText(), QStringLiteral("Center"));
    EXPECT_EQ(Editor->SizePosition().WidthEdit->text(), QStringLiteral("400"));
    // The file's 1859234 is 1C5EA2: red 1C, green 5E, blue A2.
    EXPECT_EQ(i.BorderColour, MakeColour(0x1C, 0x5E, 0xA2));
    EXPECT_EQ(Editor->Appearance().ColourEdits[TAppearanceGroup::crBorder]->text(), QStringLiteral("1C5EA2"));
    EXPECT_EQ(Editor->Appearance().ColourBoxes[TAppearanceGroup::crBorder]->Colour(), i.BorderColour);
    EXPECT_EQ(Editor->Content().Lines(), i.HTMLFile);
    EXPECT_TRUE(Editor->CurrentFont() == i.Font);
    EXPECT_FALSE(Editor->Appearance().FontLabel->text().isEmpty());
}

TEST_F(InstanceEditorTest, ValuesWithoutAnEntryInTheirListWriteBackAsTheFirstEntry) {
    Open(QStringLiteral("Default"));
    TZEPInstance& i = Instance();
    i.Location = CLocation(20);
    i.EntryEffect = CEntryEffect(9);
    Editor->UpdateDisplayFromInstance(&i);
    EXPECT_EQ(Editor->SizePosition().LocationListBox->currentIndex(), -1);
    EXPECT_EQ(Editor->Method().EntryEffectListBox->currentIndex(), -1);
    Editor->UpdateInstanceFromDisplay(&i);
    EXPECT_EQ(i.Location, ltManual);
    EXPECT_EQ(i.EntryEffect, eeNone);
}

TEST_F(InstanceEditorTest, ANumberFieldWithoutANumberWritesZeroAndKeepsItsText) {
    Open(QStringLiteral("Default"));
    TZEPInstance& i = Instance();
    i.Location = ltManual;
    i.iTop = -12; // a hand-edited file: shown as it is, not filtered
    Editor->UpdateDisplayFromInstance(&i);
    EXPECT_EQ(Editor->SizePosition().TopEdit->text(), QStringLiteral("-12"));
    Editor->SizePosition().HeightEdit->clear();
    Editor->UpdateInstanceFromDisplay(&i);
    EXPECT_EQ(i.iHeight, 0);
    EXPECT_EQ(i.iTop, -12);
    EXPECT_TRUE(Editor->SizePosition().HeightEdit->text().isEmpty());
}

TEST_F(InstanceEditorTest, StoredValuesLongerThanTheirFieldsTakeAreShownAndWrittenBackWhole) {
    Open(QStringLiteral("Default"));
    TZEPInstance& i = Instance();
    const QString sLongID = QStringLiteral("aVeryLongPopupName"); // from a hand-edited file
    const QString sLongTitle(300, u't');
    i.sUniqueID = sLongID;
    i.sTitle = sLongTitle;
    i.iWidth = 12345;
    i.iOpenAfterDelay = 1000;
    Editor->UpdateDisplayFromInstance(&i);
    EXPECT_EQ(Editor->Reference().UniqueIDEdit->text(), sLongID);
    Editor->UpdateInstanceFromDisplay(&i);
    EXPECT_EQ(i.sUniqueID, sLongID);
    EXPECT_EQ(i.sTitle, sLongTitle);
    EXPECT_EQ(i.iWidth, 12345);
    EXPECT_EQ(i.iOpenAfterDelay, 1000);

    Open(QStringLiteral("Default"));
    TypeInto(Editor->Reference().UniqueIDEdit, QStringLiteral("abcdefghijklmnopqrstu"));
    EXPECT_EQ(Instance().sUniqueID, QStringLiteral("abcdefghijklmno")) << "typing is still limited";
}

TEST_F(InstanceEditorTest, ShowingAnotherPopupDropsTheContentPutAsideForTheURL) {
    Open(QStringLiteral("Default"));
    Editor->Reference().URLBox->click();
    ASSERT_FALSE(Editor->Content().HTMLBackUpList.isEmpty());
    Editor->UpdateDisplayFromInstance(&Instance());
    EXPECT_TRUE(Editor->Content().HTMLBackUpList.isEmpty());
}

TEST_F(InstanceEditorTest, WritingBackRefreshesTheFirstContentItem) {
    Open(QStringLiteral("Default"));
    Editor->Content().SetLines({QStringLiteral("<p>new</p>")});
    Editor->UpdateInstanceFromDisplay(&Instance());
    EXPECT_EQ(Instance().HTMLFile, QStringList{QStringLiteral("<p>new</p>")});
    EXPECT_TRUE(Instance().ContentStrings.Item(0).sHTML.contains(QStringLiteral("<p>new</p>")));
}

} // namespace
