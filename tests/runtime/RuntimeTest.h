#pragma once

#include "TRuntimePage.h"

#include <gtest/gtest.h>

#include <QVariantMap>

// Fixture of the runtime behaviour tests: a page with the library loaded,
// the fake clock, and short accessors for element geometry. A test fails on
// any error the page reports (console errors and timer callback exceptions).
class RuntimeTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Open()); }
    void TearDown() override { EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join('\n').toStdString(); }

    // Loads a new page view in the same browser profile (cookies carry over).
    bool Open(const QString& sBody = QString(), const QString& sHead = QString()) {
        return page.Open(sBody, sHead) && page.Errors().isEmpty();
    }
    QVariant Js(const QString& sScript) { return page.Run(sScript); }
    int Int(const QString& sScript) { return page.Run(sScript).toInt(); }
    QString Str(const QString& sScript) { return page.Run(sScript).toString(); }
    QVariantMap Geo(const QString& sId) { return page.Run("geo('" + sId + "')").toMap(); }
    QString Vis(const QString& sId) { return Geo(sId).value("vis").toString(); }
    int Left(const QString& sId) { return Geo(sId).value("left").toInt(); }
    int Top(const QString& sId) { return Geo(sId).value("top").toInt(); }
    int Width(const QString& sId) { return Geo(sId).value("width").toInt(); }
    int Height(const QString& sId) { return Geo(sId).value("height").toInt(); }
    // The successive values of one geo() property while the clock runs on.
    QList<int> Trace(const QString& sId, const QString& sProp, int iMs, int iStep = 5) {
        QList<int> values;
        for (const QVariant& value :
             page.Run(QString("trace('%1', '%2', %3, %4)").arg(sId, sProp).arg(iMs).arg(iStep)).toList()) {
            values << value.toInt();
        }
        return values;
    }

    TRuntimePage page;
};
