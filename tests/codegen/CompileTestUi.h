#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

#include "CompileUi.h"

// A compile interface with scripted answers that records everything the
// compile reports, in order.
class TScriptedCompileUi : public ICompileUi {
public:
    void Log(const QString& sText) override { Logs << sText; }
    void ShowError(const QString& sText) override { Errors << sText; }
    bool Confirm(const QString& sQuestion) override { return Answer(sQuestion); }
    bool AskYesNo(const QString& sQuestion) override { return Answer(sQuestion); }
    void ShowInfo(const QString& sText) override { Infos << sText; }
    void Status(const QString& sText) override { Statuses << sText; }
    void SetCaption(const QString& sCaption) override { sLastCaption = sCaption; }
    bool SaveProject() override {
        ++iSaves;
        return OnSave ? OnSave() : true;
    }
    bool SaveProjectAs() override {
        ++iSavesAs;
        return OnSaveAs ? OnSaveAs() : false;
    }
    bool ShowResults(const TCompileResults& results) override {
        Results << results;
        if (OnResults) {
            OnResults();
        }
        return results.bShowFormBox;
    }

    QList<bool> Answers; // answers to the questions, in order; No/Cancel when used up
    QStringList Questions;
    QStringList Logs;
    QStringList Errors;
    QStringList Infos;
    QStringList Statuses;
    QList<TCompileResults> Results;
    QString sLastCaption;
    int iSaves = 0;
    int iSavesAs = 0;
    std::function<bool()> OnSave;
    std::function<bool()> OnSaveAs;
    std::function<void()> OnResults; // runs while the results are shown

private:
    bool Answer(const QString& sQuestion) {
        Questions << sQuestion;
        return Answers.isEmpty() ? false : Answers.takeFirst();
    }
};
