#include "FtpTestServer.h"
#include "LoopWait.h"
#include "MainFormTestSupport.h"
#include "ProjectTestFiles.h"
#include "TUpLoadForm.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// What a screen reader finds under the node: "role: name" for every node with
// a name, the node itself first.
QStringList AccessibleNames(QAccessibleInterface* node) {
    QStringList names;
    const QString sName = node->text(QAccessible::Name);
    if (!sName.isEmpty())
        names << QString::number(int(node->role())) + QStringLiteral(": ") + sName;
    for (int i = 0; i < node->childCount(); ++i)
        names << AccessibleNames(node->child(i));
    return names;
}

struct TAccessibleControl {
    QAccessible::Role Role;
    const char* sName;
};

// Every control of the table is reachable by its role and caption.
void ExpectReachable(QWidget& dialog, std::initializer_list<TAccessibleControl> controls) {
    const QStringList names = AccessibleNames(QAccessible::queryAccessibleInterface(&dialog));
    for (const TAccessibleControl& control : controls)
        EXPECT_TRUE(names.contains(QString::number(int(control.Role)) + QStringLiteral(": ") +
                                   QString::fromUtf8(control.sName)))
            << control.sName << " in\n"
            << names.join(u'\n').toStdString();
}

template <class T> T* Reach(const QWidget& dialog, const char* sName) {
    T* control = FindByAccessibleName<T>(dialog, QString::fromUtf8(sName));
    EXPECT_NE(control, nullptr) << sName;
    return control;
}

void Click(QAbstractButton* button) {
    ASSERT_TRUE(button != nullptr && button->isEnabled()) << (button ? button->text().toStdString() : "none");
    QTest::mouseClick(button, Qt::LeftButton);
}

void WaitForStep(const TUpLoadForm& form) {
    WaitUntil([&form] { return !form.IsTransferring(); }, 20000);
}

// The designer compiles a project from the main window, reads the results
// dialog, then uploads the compiled files with the tool bar's upload command.
TEST(CompileAndUpLoadTest, TheCompiledFilesGoToTheServerThroughDialogsReachableByTheirCaptions) {
    TMainFormEnvironment env;
    TFtpTestServer server;
    server.MakeDir(QStringLiteral("site"));
    ASSERT_TRUE(server.Start());
    const QString sProject = env.Path(QStringLiteral("promo.zrj"));
    TTestEnvironment::WriteProject(sProject, false);
    std::unique_ptr<TMainForm> form = env.CreateMainForm({sProject});
    ASSERT_TRUE(form);

    env.Services.ExpectDialog(QStringLiteral("CompileForm"), [&](QDialog& dialog) {
        ExpectReachable(
            dialog,
            {{QAccessible::Dialog, "Compile"},
             {QAccessible::EditableText, "Place these scripts in the body of the webpage, just after the <body> tag:"},
             {QAccessible::EditableText, "Place these files on the server in the same directory as the "
                                         "web page (default location):"},
             {QAccessible::EditableText, "Mouse code if  selected:"},
             {QAccessible::EditableText, "Anchoring code if selected:"},
             {QAccessible::Button, "Copy to clipboard"},
             {QAccessible::CheckBox, "Show this form every time (reset in options)"},
             {QAccessible::Button, "OK"}});
        EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 4);
        Click(Reach<QPushButton>(dialog, "OK"));
    });
    form->Actions().CompileMenu->trigger();
    ASSERT_EQ(form->StatusText(), QStringLiteral("Compilation complete"));

    env.Services.ExpectDialog(QStringLiteral("UpLoadForm"), [&](QDialog& dialog) {
        ExpectReachable(dialog, {{QAccessible::Dialog, "FTP File Upload"},
                                 {QAccessible::Grouping, " FTP Setup "},
                                 {QAccessible::EditableText, "FTP Site: "},
                                 {QAccessible::EditableText, "Username: "},
                                 {QAccessible::EditableText, "Password: "},
                                 {QAccessible::EditableText, "Site Directory: "},
                                 {QAccessible::Button, "Connect"},
                                 {QAccessible::Button, "Upload Files"},
                                 {QAccessible::Grouping, " Transfer Progress "},
                                 {QAccessible::Button, "Done"},
                                 {QAccessible::Button, "Cancel"}});
        auto& upLoad = static_cast<TUpLoadForm&>(dialog);
        TypeOver(Reach<QLineEdit>(dialog, "FTP Site: "), server.Site());
        TypeOver(Reach<QLineEdit>(dialog, "Username: "), QString::fromLatin1(TFtpTestServer::sUser));
        TypeOver(Reach<QLineEdit>(dialog, "Password: "), QString::fromLatin1(TFtpTestServer::sPassword));
        TypeOver(Reach<QLineEdit>(dialog, "Site Directory: "), QStringLiteral("site"));
        Click(Reach<QCheckBox>(dialog, "Require encrypted connection (FTPS)")); // the test server is plain
        Click(Reach<QPushButton>(dialog, "Connect"));
        WaitForStep(upLoad);
        ExpectReachable(dialog, {{QAccessible::Button, "Disconnect"}, {QAccessible::StaticText, "Current dir: /site"}});
        Click(Reach<QPushButton>(dialog, "Upload Files"));
        WaitForStep(upLoad);
        ExpectReachable(dialog, {{QAccessible::StaticText, "Completed"}});
        Click(Reach<QPushButton>(dialog, "Done"));
    });
    form->Actions().UploadBtn->trigger();
    EXPECT_EQ(form->StatusText(), QStringLiteral("Files UpLoaded Successfully"));
    EXPECT_TRUE(env.LogLines().contains(QStringLiteral("UpLoad : Connected")));
    for (const char* sFile : {"promo_zeplib.js", "promo.js"})
        EXPECT_EQ(server.ReadFile(QStringLiteral("site/") + QLatin1String(sFile)),
                  ReadWholeFile(env.Path(QLatin1String(sFile))))
            << sFile;
}

} // namespace
