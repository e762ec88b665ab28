#include "SettingsReads.h"

#include "StringUtils.h"

#include <QVariant>

#include <cmath>
#include <limits>

namespace {

bool IsText(const QVariant& value) {
    return value.typeId() == QMetaType::QString;
}

bool IsWholeNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

// A stored whole number, or a text holding one (text files keep no types).
bool ReadInteger(const QVariant& value, int& iValue) {
    if (IsText(value)) {
        const QString sText = TrimText(value.toString());
        bool bOk = false;
        iValue = sText.toInt(&bOk, 10);
        return bOk;
    }
    if (!IsWholeNumber(value)) {
        return false;
    }
    constexpr int iMin = std::numeric_limits<int>::min();
    constexpr int iMax = std::numeric_limits<int>::max();
    const bool bUnsigned = value.typeId() == QMetaType::UInt || value.typeId() == QMetaType::ULong ||
                           value.typeId() == QMetaType::ULongLong || value.typeId() == QMetaType::UShort;
    if (bUnsigned ? value.toULongLong() > quint64(iMax) : value.toLongLong() < iMin || value.toLongLong() > iMax) {
        return false;
    }
    iValue = value.toInt();
    return true;
}

} // namespace

QString ReadStringDef(const QSettings& settings, const QString& sName, const QString& sDefault) {
    const QVariant value = settings.value(sName);
    if (!value.isValid()) {
        return QString();
    }
    return TrimText(IsText(value) ? value.toString() : sDefault);
}

int ReadIntegerDef(const QSettings& settings, const QString& sName, int iDefault) {
    int iValue = 0;
    return ReadInteger(settings.value(sName), iValue) ? iValue : iDefault;
}

bool ReadBoolDef(const QSettings& settings, const QString& sName, bool bDefault) {
    const QVariant value = settings.value(sName);
    if (value.typeId() == QMetaType::Bool) {
        return value.toBool();
    }
    // Flags written by the settings class's own bool conversion read back as text.
    if (IsText(value)) {
        const QString sText = TrimText(value.toString());
        if (sText.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
            return true;
        }
        if (sText.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
            return false;
        }
    }
    int iValue = 0;
    return ReadInteger(value, iValue) ? iValue != 0 : bDefault;
}

double ReadFloatDef(const QSettings& settings, const QString& sName, double fDefault) {
    const QVariant value = settings.value(sName);
    bool bOk = false;
    double fValue = 0.0;
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float) {
        fValue = value.toDouble(&bOk);
    } else if (IsText(value)) {
        fValue = TrimText(value.toString()).toDouble(&bOk);
    }
    return bOk && std::isfinite(fValue) ? fValue : fDefault;
}
