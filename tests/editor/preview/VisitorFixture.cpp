#include "VisitorFixture.h"

#include "LoopWait.h"
#include "PreviewScripts.h"
#include "TPreviewBrowser.h"
#include "TPreviewPanel.h"
#include "TPreviewPlayer.h"
#include "TProjectDocument.h"
#include "TZEPInstance.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QWebEngineCookieStore>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <QtTest/QTest>

const QString sDecisionScript =
    QStringLiteral("(function(){var b=document.getElementById('promo_zepB');"
                   "return window.promo && promo.pars.isc==0 && !!b ? 'shown' : 'not shown';})()");
const QString sVisibleScript = QStringLiteral("(function(){var b=document.getElementById('promo_zepB');"
                                              "return !!b && getComputedStyle(b).visibility=='visible';})()");

TRealVisitor::TRealVisitor(const QString& sFolder) : Server(sFolder) {
    QObject::connect(Page.View().page()->profile()->cookieStore(), &QWebEngineCookieStore::cookieAdded,
                     [this](const QNetworkCookie& cookie) { Cookies.append(cookie); });
}

bool TRealVisitor::Visit() {
    ++iVisit;
    ForgetExpiredCookies();
    QWebEngineScriptCollection& scripts = Page.View().page()->scripts();
    for (const QWebEngineScript& old : scripts.find(QStringLiteral("Draws")))
        scripts.remove(old);
    QJsonArray draws;
    for (const double dDraw : TPreviewVisitor::Draws(iVisit))
        draws.append(dDraw);
    QWebEngineScript script;
    script.setName(QStringLiteral("Draws"));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setSourceCode(QStringLiteral("(function(d){var i=0;Math.random=function(){return d[i++%d.length];};})(") +
                         QString::fromUtf8(QJsonDocument(draws).toJson(QJsonDocument::Compact)) + u')');
    scripts.insert(script);
    return Page.Load(Server.Url(QStringLiteral("promo_Preview.html")));
}

void TRealVisitor::EndSession() {
    Page.View().page()->profile()->cookieStore()->deleteSessionCookies();
    LetTimePass(200);
}

void TRealVisitor::ForgetExpiredCookies() {
    const QDateTime later = QDateTime::currentDateTimeUtc().addDays(iDays);
    for (const QNetworkCookie& cookie : Cookies) {
        if (!cookie.isSessionCookie() && cookie.expirationDate() <= later)
            Page.View().page()->profile()->cookieStore()->deleteCookie(cookie);
    }
    LetTimePass(200);
}

void TRealVisitor::Leave() {
    Page.Run(
        QStringLiteral("document.dispatchEvent(new MouseEvent('mousemove',{bubbles:true,clientX:500,clientY:400}));"
                       "document.dispatchEvent(new MouseEvent('mousemove',{bubbles:true,clientX:500,clientY:0}));"));
}

void VisitorTest::Start(const std::function<void(TZEPInstance&)>& setUp) {
    const QString sProject = Folder() + QStringLiteral("/promo.zrj");
    ASSERT_TRUE(QDir().mkpath(Folder()));
    TTestEnvironment::WriteProject(sProject, false);
    TProjectDocument document;
    ASSERT_TRUE(document.Open(sProject)) << document.GetLastError().toStdString();
    setUp(document.Project.InstanceList.Instance(0));
    ASSERT_TRUE(document.Save()) << document.GetLastError().toStdString();
    QProcess compile;
    compile.start(QStringLiteral(BRISOLA_COMPILE_PROGRAM), {sProject});
    ASSERT_TRUE(compile.waitForFinished(60000));
    ASSERT_EQ(compile.exitCode(), 0) << compile.readAllStandardError().toStdString();

    Form = Env.CreateMainForm({sProject});
    ASSERT_TRUE(Form);
    Panel = Form->findChild<TPreviewPanel*>(QStringLiteral("PreviewPanel"));
    QSignalSpy played(Panel->Player(), &TPreviewPlayer::Played);
    Form->resize(1700, 1200);
    Form->show();
    ASSERT_TRUE(WaitUntil([this] { return !Why().isEmpty(); }, 30000));
}

void VisitorTest::Click(const QString& sButton) {
    QPushButton* button = nullptr;
    for (QPushButton* candidate : Panel->findChildren<QPushButton*>()) {
        if (candidate->accessibleName() == sButton)
            button = candidate;
    }
    ASSERT_NE(button, nullptr) << sButton.toStdString();
    QSignalSpy played(Panel->Player(), &TPreviewPlayer::Played);
    button->click();
    ASSERT_TRUE(played.wait(30000)) << sButton.toStdString();
}

void VisitorTest::ChooseDevice(const QString& sDevice) {
    QComboBox* box = nullptr;
    for (QComboBox* candidate : Panel->findChildren<QComboBox*>()) {
        if (candidate->accessibleName() == QStringLiteral("Device:"))
            box = candidate;
    }
    ASSERT_NE(box, nullptr);
    QSignalSpy played(Panel->Player(), &TPreviewPlayer::Played);
    const int iIndex = box->findText(sDevice);
    ASSERT_GE(iIndex, 0);
    box->setCurrentIndex(iIndex);
    emit box->activated(iIndex);
    ASSERT_TRUE(played.wait(30000));
}

QString VisitorTest::Why() {
    for (QLineEdit* edit : Panel->findChildren<QLineEdit*>()) {
        if (edit->accessibleName() == QStringLiteral("Why:"))
            return edit->text();
    }
    return QStringLiteral("<no Why: field>");
}

QString VisitorTest::PreviewScript(const QString& sScript) {
    return RunScript(Panel->Browser(), sScript);
}

QString VisitorTest::PreviewDecision() {
    return PreviewScript(sDecisionScript);
}

bool VisitorTest::PreviewVisible(int iTimeoutMs) {
    return WaitForScript(Panel->Browser(), sVisibleScript, iTimeoutMs);
}
