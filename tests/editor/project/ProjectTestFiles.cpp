#include "ProjectTestFiles.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QtTest/QTest>

void WriteFile(const QString& sPath, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(sPath).absolutePath());
    QFile file(sPath);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void WriteProjectFiles(const QString& sProjectFile, bool bTemplate, const QStringList& attached,
                       const QStringList& editable) {
    QByteArray text = "[SYSTEM]\r\nTemplate=" + QByteArray(bTemplate ? "1" : "0") +
                      "\r\nInstances=0\r\n[REFERENCE]\r\nUniqueID=promo\r\n"
                      "[OPTIONS]\r\nIncludeDynamicFunctions=0\r\nDynamicContent=0\r\n";
    const QString sFolder = QFileInfo(sProjectFile).absolutePath() + u'/';
    const auto section = [&](const char* sName, const QStringList& files) {
        text += "[" + QByteArray(sName) + "]\r\n";
        for (int i = 0; i < files.size(); ++i) {
            text += "File" + QByteArray::number(i + 1) + "=" + files[i].toUtf8() + "\r\n";
            WriteFile(sFolder + files[i], files[i].toUtf8() + "\r\n");
        }
    };
    section("ATTACHED_FILES", attached);
    section("AUX_FILES", editable);
    WriteFile(sProjectFile, text);
    WriteFile(sProjectFile.left(sProjectFile.lastIndexOf(u'.')) + QStringLiteral(".html"), "<p>Hello</p>\r\n");
}

bool DropFiles(QWidget* target, const QStringList& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& sFile : files)
        urls << QUrl::fromLocalFile(sFile);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

void TypeOver(QLineEdit* edit, const QString& sText) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, sText);
}
