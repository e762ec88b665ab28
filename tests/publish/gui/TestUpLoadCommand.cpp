#include "TUpLoadCommand.h"
#include "UpLoadFormHarness.h"

#include "TFormatGrid.h"

struct TCommandCase {
    const char* sName;
    bool bCompiled;
    bool bHasFiles;
    int iDialogResult;
    bool bDialogShown;
    QStringList Errors;
    QStringList StatusLines;
};

class UpLoadCommand : public UpLoadForm, public ::testing::WithParamInterface<TCommandCase> {};

TEST_P(UpLoadCommand, ChecksTheProjectAndTheListBeforeShowingTheDialog) {
    const TCommandCase& c = GetParam();
    QStringList purposes, errors, statusLines;
    bool bShown = false;
    TUpLoadCommandLinks links;
    links.CheckCompiledVersion = [&](const QString& sPurpose) {
        purposes.append(sPurpose);
        return c.bCompiled;
    };
    links.RunModal = [&](QDialog& dialog) {
        bShown = &dialog == Form.get();
        return c.iDialogResult;
    };
    links.Error = [&](const QString& sMessage) { errors.append(sMessage); };
    links.Status = [&](const QString& sText) { statusLines.append(sText); };
    const QStringList files = c.bHasFiles ? QStringList{Local.Write("index.html", "<p>")} : QStringList{};

    EXPECT_EQ(UpLoadCompiledFiles(*Form, files, links), !c.StatusLines.isEmpty());
    EXPECT_EQ(purposes, QStringList({"upload the project files"}));
    EXPECT_EQ(bShown, c.bDialogShown);
    EXPECT_EQ(errors, c.Errors);
    EXPECT_EQ(statusLines, c.StatusLines);
    EXPECT_EQ(Form->TransferGrid->rowCount(), c.bDialogShown ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UpLoadCommand,
    ::testing::Values(TCommandCase{"NotCompiled", false, true, QDialog::Accepted, false, {}, {}},
                      TCommandCase{
                          "NoFiles", true, false, QDialog::Accepted, false, {"There are no files to upload"}, {}},
                      TCommandCase{"Done", true, true, QDialog::Accepted, true, {}, {"Files UpLoaded Successfully"}},
                      TCommandCase{"Cancelled", true, true, QDialog::Rejected, true, {}, {}}),
    [](const ::testing::TestParamInfo<TCommandCase>& info) { return std::string(info.param.sName); });
