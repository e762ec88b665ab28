#include "MaskImage.h"

#include <QtEndian>

#include <zlib.h>

namespace {

constexpr int iMaskSize = 50;

void AppendUInt32(QByteArray& bytes, quint32 iValue) {
    char buffer[4];
    qToBigEndian(iValue, buffer);
    bytes.append(buffer, 4);
}

// A PNG chunk: length, type, data and the CRC of type and data.
void AppendChunk(QByteArray& png, const char* sType, const QByteArray& data) {
    QByteArray typeAndData(sType, 4);
    typeAndData.append(data);
    AppendUInt32(png, quint32(data.size()));
    png.append(typeAndData);
    const auto* bytes = reinterpret_cast<const Bytef*>(typeAndData.constData());
    AppendUInt32(png, quint32(crc32(crc32(0L, Z_NULL, 0), bytes, uInt(typeAndData.size()))));
}

QByteArray Deflate(const QByteArray& raw) {
    uLongf iSize = compressBound(uLong(raw.size()));
    QByteArray packed(int(iSize), '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &iSize, reinterpret_cast<const Bytef*>(raw.constData()),
              uLong(raw.size()), Z_BEST_COMPRESSION);
    packed.resize(int(iSize));
    return packed;
}

} // namespace

QByteArray BuildMaskImage() {
    QByteArray png("\x89PNG\r\n\x1a\n", 8);

    QByteArray header;
    AppendUInt32(header, iMaskSize);
    AppendUInt32(header, iMaskSize);
    header.append(char(8)); // bit depth
    header.append(char(3)); // colour type: palette
    header.append(3, '\0'); // compression, filter and interlace methods
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "PLTE", QByteArray("\xAA\xAB\xBB", 3));
    AppendChunk(png, "tRNS", QByteArray(1, char(129)));

    // Every row: filter type 0, then palette index 0 for every pixel.
    const QByteArray raw(iMaskSize * (iMaskSize + 1), '\0');
    AppendChunk(png, "IDAT", Deflate(raw));
    AppendChunk(png, "IEND", QByteArray());
    return png;
}
