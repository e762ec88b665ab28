// The instance editor over the document's history: every field of the
// settings table changed, undone and redone, in the record and in the
// controls; typing merged into one step per field visit.
#include "InstanceEditorFixture.h"

#include "TContentEditor.h"
#include "TMethodGroup.h"
#include "TReferenceGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest/QTest>

namespace {

// Values other than sValue for the field, to try in turn: numbers, flags,
// codes and colours change their lowest bit or step down, texts grow, the
// font grows.
QStringList OtherValues(const QString& sKey, const QString& sValue) {
    if (sKey == QStringLiteral("Font")) {
        TFont font = TextToFont(sValue);
        font.iSize += 2;
        return {FontToText(font)};
    }
    bool bNumber = false;
    const qlonglong iValue = sValue.toLongLong(&bNumber);
    if (!bNumber)
        return {sValue + QStringLiteral("x")};
    return {QString::number(iValue ^ 1), QString::number(iValue - 1)};
}

class HistoryTest : public InstanceEditorTest {
protected:
    // The start-up template's popup without the entry effect, fixed place and
    // timed opening that make the rules lock other controls.
    void OpenFreePopup() {
        auto project = LoadTemplate(QStringLiteral("Default"));
        TZEPInstance& popup = project->InstanceList.Instance(0);
        popup.EntryEffect = eeNone;
        popup.Location = ltManual;
        popup.bOpenAfterSelected = 0;
        Use(std::move(project));
    }
    // Every field as the controls show it: written into a copy of the record.
    QList<QPair<QString, QString>> Shown() {
        const auto copy = Instance().Clone(nullptr);
        Editor->UpdateInstanceFromDisplay(copy.get());
        return copy->SettingTexts();
    }
    QUndoStack& History() { return Document.History(); }
};

// Each field is changed as the designer does it: its control shows the new
// value and the editor's change handler makes the step, with the rules.
TEST_F(HistoryTest, EveryFieldOfTheSettingsTableIsChangedUndoneAndRedone) {
    OpenFreePopup();
    const auto original = Instance().SettingTexts();
    ASSERT_GT(original.size(), 50);
    QStringList unchanged;
    for (const auto& [sKey, sOld] : original) {
        SCOPED_TRACE(sKey.toStdString());
        const auto edited = Instance().Clone(nullptr);
        for (const QString& sCandidate : OtherValues(sKey, sOld))
            if (edited->SetSettingText(sKey, sCandidate))
                break;
        Editor->UpdateDisplayFromInstance(edited.get());
        Editor->InterfaceChange();
        const auto changed = Instance().SettingTexts();
        if (changed == original) {
            unchanged << sKey;
            continue;
        }
        EXPECT_EQ(Shown(), changed) << "changed";
        History().undo();
        EXPECT_EQ(Instance().SettingTexts(), original) << "undone";
        EXPECT_EQ(Shown(), original) << "undone";
        History().redo();
        EXPECT_EQ(Instance().SettingTexts(), changed) << "redone";
        EXPECT_EQ(Shown(), changed) << "redone";
        History().undo();
    }
    // The rules keep an exit effect only with "Close after", which the list's
    // own handler sets (below); fields without a control keep their value.
    EXPECT_EQ(unchanged,
              QStringList({QStringLiteral("ExitEffect"), QStringLiteral("ToolTip"), QStringLiteral("Rotation")}));
    EXPECT_FALSE(Document.IsModified()) << "every step undone: back at the clean point";
}

TEST_F(HistoryTest, TheContentIsAStepToo) {
    Open(QStringLiteral("Default"));
    const QStringList before = Instance().HTMLFile;
    Paste(Editor->Content().HTMLMemo, QStringLiteral("<p>new</p>"));
    EXPECT_EQ(History().undoText(), QStringLiteral("Change Popup Content HTML Editor"));
    History().undo();
    EXPECT_EQ(Instance().HTMLFile, before);
    EXPECT_EQ(Editor->Content().Lines(), before);
    EXPECT_EQ(Instance().ContentStrings.Item(0).sHTML, Instance().GetHTMLForScript()) << "item 0 follows the HTML";
}

TEST_F(HistoryTest, TypingIntoAFieldIsOneStepUntilTheFieldIsLeft) {
    Open(QStringLiteral("Default"));
    QLineEdit* title = Editor->Reference().TitleEdit;
    const QString sBefore = Instance().sTitle;
    TypeInto(title, QStringLiteral("Hello"));
    EXPECT_EQ(History().count(), 1);
    EXPECT_EQ(History().undoText(), QStringLiteral("Change Title"));
    Leave(title);
    TypeInto(title, QStringLiteral("World"));
    EXPECT_EQ(History().count(), 2) << "a later visit of the field is a step of its own";
    QTest::keyClick(title, Qt::Key_Return);
    QTest::keyClicks(title, QStringLiteral("!"));
    EXPECT_EQ(History().count(), 3) << "Enter ends the step";

    History().undo();
    History().undo();
    EXPECT_EQ(Instance().sTitle, QStringLiteral("Hello"));
    EXPECT_EQ(title->text(), QStringLiteral("Hello"));
    History().undo();
    EXPECT_EQ(Instance().sTitle, sBefore) << "one undo takes back the whole typed title";
    EXPECT_EQ(title->text(), sBefore);
}

TEST_F(HistoryTest, AChangeTheRulesSpreadIsOneStepNamedAfterTheChangedControl) {
    OpenFreePopup();
    ASSERT_EQ(Instance().bCloseAfterSelected, 0);
    QComboBox* exitEffect = Editor->Method().ExitEffectListBox;
    exitEffect->setFocus();
    exitEffect->setCurrentIndex(1);
    ASSERT_EQ(History().count(), 1);
    EXPECT_EQ(History().undoText(), QStringLiteral("Change Exit effect"));
    EXPECT_EQ(Instance().bCloseAfterSelected, 1) << "an exit effect closes after a time";
    History().undo();
    EXPECT_EQ(Instance().ExitEffect, xeNone);
    EXPECT_EQ(Instance().bCloseAfterSelected, 0);
    EXPECT_FALSE(Editor->Method().CloseAfterBox->isChecked());
    EXPECT_EQ(exitEffect->currentIndex(), 0);
}

} // namespace
