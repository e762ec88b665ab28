#include "PasswordScrambler.h"

#include "HexText.h"

#include <array>

namespace {

constexpr quint32 iScramblerSeed = 0x5C3A91E7;
// Bit positions (counted from the lowest bit) whose exclusive or is fed back.
// Bit 31 is among them, so no state other than zero ever leads to zero.
constexpr std::array<int, 5> aScramblerTaps = {31, 21, 11, 5, 0};
constexpr int iClocksPerByte = 8;
constexpr quint32 iKeyMask = 0x7F;

quint32 ClockRegister(quint32 iRegister) {
    quint32 iFeedback = 0;
    for (const int iTap : aScramblerTaps) {
        iFeedback ^= (iRegister >> iTap) & 1u;
    }
    return (iRegister << 1) | iFeedback;
}

} // namespace

QByteArray ScramblePassword(const QByteArray& password) {
    QByteArray result(password.size(), Qt::Uninitialized);
    quint32 iRegister = iScramblerSeed;
    for (qsizetype i = 0; i < password.size(); ++i) {
        for (int iClock = 0; iClock < iClocksPerByte; ++iClock) {
            iRegister = ClockRegister(iRegister);
        }
        result[i] = char(quint8(password[i]) ^ (iRegister & iKeyMask));
    }
    return result;
}

QString EncodePassword(const QString& sPassword) {
    return StringToHexText(QString::fromLatin1(ScramblePassword(sPassword.toUtf8())));
}

QString DecodePassword(const QString& sStored) {
    // Every decoded character is below 256, so Latin-1 gives back the bytes.
    return QString::fromUtf8(ScramblePassword(HexTextToString(sStored).toLatin1()));
}
