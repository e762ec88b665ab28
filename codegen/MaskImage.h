#pragma once

#include <QByteArray>

// The mask picture: a 50 x 50 PNG image whose every pixel is #AAABBB with an
// alpha of 129 (a one-entry palette with a transparency entry).
QByteArray BuildMaskImage();
