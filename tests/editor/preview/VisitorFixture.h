#pragma once

#include "MainFormTestSupport.h"
#include "TBrowserPage.h"
#include "TPageServer.h"

#include <QNetworkCookie>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class TPreviewPanel;
class TZEPInstance;

// The same visitor in a real browser page of the compiled project: its own
// cookie store, the fake clock, the preview's random draws for each visit.
// Days pass by taking the cookies away that would have run out meanwhile.
class TRealVisitor {
public:
    explicit TRealVisitor(const QString& sFolder);

    // Loads the compiled preview page as the next visit.
    bool Visit();
    void EndSession();
    void PassDay() { ++iDays; }
    void Advance(int iMs) { Page.Advance(iMs); }
    void Leave();
    QVariant Run(const QString& sScript) { return Page.Run(sScript); }

private:
    void ForgetExpiredCookies();

    TBrowserPage Page;
    TPageServer Server;
    QList<QNetworkCookie> Cookies;
    int iVisit = 0;
    int iDays = 0;
};

// The editor started through its real start-up path on a saved project whose
// one popup "promo" the test sets up, the project compiled beside it, and the
// toolbar's controls found by their accessible names.
class VisitorTest : public ::testing::Test {
protected:
    void Start(const std::function<void(TZEPInstance&)>& setUp);
    // Clicks the tool bar's button and waits until the preview shows the result.
    void Click(const QString& sButton);
    void ChooseDevice(const QString& sDevice);
    QString Why();
    // "shown" when the rules let the popup show on this page view, else "not shown".
    QString PreviewDecision();
    bool PreviewVisible(int iTimeoutMs = 8000);
    QString PreviewScript(const QString& sScript);
    QString Folder() const { return Env.Path(QStringLiteral("site")); }

    TMainFormEnvironment Env;
    std::unique_ptr<TMainForm> Form;
    TPreviewPanel* Panel = nullptr;
};

// The page's decision for the popup, as PreviewDecision.
extern const QString sDecisionScript;
extern const QString sVisibleScript;
