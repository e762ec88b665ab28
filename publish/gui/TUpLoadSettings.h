#pragma once

#include <QPoint>
#include <QString>

// What the upload dialog keeps between runs of the program: the remembered
// site, user name and password, the remote folder field, whether an
// encrypted connection is required, and the window's position.
struct TUpLoadSettings {
    QString sSite;
    QString sUsername;
    QString sPassword;
    QString sRemotePath;
    bool bRequireTls = true;
    QPoint Position;

    bool operator==(const TUpLoadSettings&) const = default;
};
