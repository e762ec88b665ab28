#pragma once

#include "IFileListHost.h"

#include <QQueue>
#include <QStringList>

#include <gtest/gtest.h>

#include <utility>

// The main window's side of the file lists dialog, scripted by the test: each
// question must be one the test expects, in order, with its answer; a question
// left unasked or one nobody expected fails the test. Everything shown or done
// is recorded.
class TScriptedFileListHost : public IFileListHost {
public:
    ~TScriptedFileListHost() override {
        for (const auto& expected : Expected)
            ADD_FAILURE() << "question never asked: " << expected.first.toStdString();
    }

    void Expect(const QString& sQuestion, QMessageBox::StandardButton answer) { Expected.enqueue({sQuestion, answer}); }
    void NextFile(const QString& sFile) { Files.enqueue(sFile); }

    void AddEditableFilePage(const QString& sFileName) override { Calls << QStringLiteral("add ") + sFileName; }
    void LoadEditableFile(const QString& sFileName) override { Calls << QStringLiteral("load ") + sFileName; }
    void RemoveEditableFile(const QString& sFileName) override { Calls << QStringLiteral("remove ") + sFileName; }
    void Status(const QString& sText) override { StatusTexts << sText; }
    void LogError(const QString& sText) override { Errors << sText; }
    void ShowError(const QString& sText) override { Errors << sText; }
    void ShowInfo(const QString& sText) override { Infos << sText; }
    QMessageBox::StandardButton Confirm(const QString& sQuestion, QMessageBox::StandardButtons) override {
        if (Expected.isEmpty() || Expected.head().first != sQuestion) {
            ADD_FAILURE() << "unexpected question: " << sQuestion.toStdString();
            return QMessageBox::Cancel;
        }
        return Expected.dequeue().second;
    }
    QString ChooseFile(const QString& sCaption, const QString& sStartFolder) override {
        Choosers << sCaption + QStringLiteral(" in ") + sStartFolder;
        return Files.isEmpty() ? QString() : Files.dequeue();
    }

    QStringList Calls;
    QStringList StatusTexts;
    QStringList Errors;
    QStringList Infos;
    QStringList Choosers;

private:
    QQueue<std::pair<QString, QMessageBox::StandardButton>> Expected;
    QQueue<QString> Files;
};
