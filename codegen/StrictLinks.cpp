#include "StrictLinks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <optional>

namespace {

// Reads the commands the generators write: calls "path(arguments);", each alone or inside
// "if(!uid.pars.isc){ ... }" or after "if(!uid.pars.isc)" without braces.
class TCommandReader {
public:
    explicit TCommandReader(const QString& sText) : sText(sText) {}

    std::optional<QJsonArray> ReadAll() {
        QJsonArray calls;
        while (SkipBlanks()) {
            if (!ReadStatement(QString(), calls)) {
                return std::nullopt;
            }
        }
        return calls;
    }

private:
    bool ReadStatement(const QString& sGuard, QJsonArray& calls) {
        if (Take(QStringLiteral("if(!"))) {
            const QString sUid = Name();
            if (sUid.isEmpty() || !Take(QStringLiteral(".pars.isc)"))) {
                return false;
            }
            SkipBlanks();
            if (!Take(QStringLiteral("{"))) {
                return ReadStatement(sUid, calls);
            }
            while (SkipBlanks() && !Take(QStringLiteral("}"))) {
                if (!ReadStatement(sUid, calls)) {
                    return false;
                }
            }
            return true;
        }
        return ReadCall(sGuard, calls);
    }

    bool ReadCall(const QString& sGuard, QJsonArray& calls) {
        QString sPath = Name();
        while (!sPath.isEmpty() && Take(QStringLiteral("."))) {
            const QString sPart = Name();
            if (sPart.isEmpty()) {
                return false;
            }
            sPath += u'.' + sPart;
        }
        if (sPath.isEmpty() || !Take(QStringLiteral("("))) {
            return false;
        }
        QJsonArray call{sGuard, sPath};
        SkipBlanks();
        while (!Take(QStringLiteral(")"))) {
            const std::optional<QJsonValue> value = Argument();
            if (!value) {
                return false;
            }
            call.append(*value);
            SkipBlanks();
            if (!Take(QStringLiteral(",")) && sText.mid(iPos, 1) != QStringLiteral(")")) {
                return false;
            }
            SkipBlanks();
        }
        Take(QStringLiteral(";"));
        calls.append(call);
        return true;
    }

    std::optional<QJsonValue> Argument() {
        if (Take(QStringLiteral("'"))) {
            const qsizetype iEnd = sText.indexOf(u'\'', iPos);
            if (iEnd < 0 || sText.mid(iPos, iEnd - iPos).contains(u'\\')) {
                return std::nullopt;
            }
            const QString sValue = sText.mid(iPos, iEnd - iPos);
            iPos = iEnd + 1;
            return QJsonValue(sValue);
        }
        const qsizetype iStart = iPos;
        if (iPos < sText.size() && (sText[iPos] == u'-' || sText[iPos].isDigit())) {
            ++iPos;
            while (iPos < sText.size() && (sText[iPos].isDigit() || sText[iPos] == u'.')) {
                ++iPos;
            }
            bool bNumber = false;
            const double dValue = sText.mid(iStart, iPos - iStart).toDouble(&bNumber);
            return bNumber ? std::optional<QJsonValue>(dValue) : std::nullopt;
        }
        const QString sName = Name();
        if (sName.isEmpty()) {
            return std::nullopt;
        }
        return QJsonValue(QJsonObject{{QStringLiteral("v"), sName}});
    }

    QString Name() {
        const qsizetype iStart = iPos;
        while (iPos < sText.size() && (sText[iPos].isLetterOrNumber() || sText[iPos] == u'_' || sText[iPos] == u'$')) {
            ++iPos;
        }
        if (iPos > iStart && sText[iStart].isDigit()) {
            iPos = iStart;
        }
        return sText.mid(iStart, iPos - iStart);
    }

    // Skips blanks and line breaks; false at the end of the text.
    bool SkipBlanks() {
        while (iPos < sText.size() && sText[iPos].isSpace()) {
            ++iPos;
        }
        return iPos < sText.size();
    }

    bool Take(const QString& sToken) {
        if (sText.mid(iPos, sToken.size()) != sToken) {
            return false;
        }
        iPos += sToken.size();
        return true;
    }

    const QString& sText;
    qsizetype iPos = 0;
};

} // namespace

QString CommandData(const QString& sCommand) {
    const std::optional<QJsonArray> calls = TCommandReader(sCommand).ReadAll();
    if (!calls || calls->isEmpty()) {
        return {};
    }
    return QString::fromUtf8(QJsonDocument(*calls).toJson(QJsonDocument::Compact));
}

QString StrictEventAttribute(const QString& sEvent, const QString& sCommand) {
    QString sData = CommandData(sCommand);
    if (sData.isEmpty()) {
        return {};
    }
    sData.replace(u'&', QStringLiteral("&amp;"))
        .replace(u'\'', QStringLiteral("&#39;"))
        .replace(u'<', QStringLiteral("&lt;"));
    return QStringLiteral("data-zep-") + sEvent + QStringLiteral("='") + sData + u'\'';
}
