#include "CliTestSupport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

TRun RunCompile(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(BRISOLA_COMPILE_PROGRAM), arguments);
    TRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.iExitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.sOut = QString::fromUtf8(process.readAllStandardOutput());
    run.sErr = QString::fromUtf8(process.readAllStandardError());
    return run;
}

void WriteAll(const QString& sPath, const QByteArray& bytes) {
    QFile file(sPath);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

namespace {

// "[NAME]" headers of a popup's sections, followed by its number in a multi-popup project.
QByteArray NumberSections(const QByteArray& sections, const QByteArray& suffix) {
    return QString::fromUtf8(sections)
        .replace(QRegularExpression(QStringLiteral("^\\[([A-Z_]+)\\]"), QRegularExpression::MultilineOption),
                 QStringLiteral("[\\1") + QString::fromUtf8(suffix) + u']')
        .toUtf8();
}

QByteArray ContentLines(const TTestPopup& popup) {
    const QByteArray index = "zep_" + popup.uniqueID.trimmed();
    QByteArray html = popup.html;
    html.replace('\\', "\\\\").replace('"', "\\\"").replace("\r\n", " ").replace('\n', ' ');
    QByteArray lines = index + "=\"" + html + " \"\r\n";
    for (qsizetype i = 0; i < popup.layers.size(); ++i) {
        lines += index + QByteArray::number(i + 1) + '=' + popup.layers.at(i) + "\r\n";
    }
    return lines;
}

} // namespace

QString WriteTestProject(const QString& sFolder, const QString& sName, const QList<TTestPopup>& popups,
                         const QByteArray& projectSections) {
    const bool bMulti = popups.size() > 1;
    const QString sStem = sName.left(sName.lastIndexOf(u'.'));
    QByteArray project = "[SYSTEM]\r\nTemplate=0\r\nInstances=" + QByteArray::number(bMulti ? popups.size() : 0) +
                         "\r\nMultipleSequentialLayers=1\r\n[OPTIONS]\r\nDynamicContent=1\r\n" + projectSections;
    QByteArray content;
    for (qsizetype k = 0; k < popups.size(); ++k) {
        const TTestPopup& popup = popups.at(k);
        const QByteArray suffix = bMulti ? QByteArray::number(k) : QByteArray();
        project += "[REFERENCE" + suffix + "]\r\nUniqueID=" + popup.uniqueID + "\r\n" + popup.reference +
                   NumberSections(popup.sections, suffix);
        const QString sHtml =
            bMulti ? sStem + u'(' + QString::number(k) + QStringLiteral(").html") : sStem + QStringLiteral(".html");
        WriteAll(sFolder + u'/' + sHtml, popup.html + "\r\n");
        content += ContentLines(popup);
    }
    WriteAll(sFolder + u'/' + sStem + QStringLiteral("_ZEPcontent.js"), content);
    const QString sProject = sFolder + u'/' + sName;
    WriteAll(sProject, project);
    return sProject;
}
