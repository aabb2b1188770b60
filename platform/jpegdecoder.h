#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes JPEG data through libjpeg into a 32-bit image. Every libjpeg error, and a truncated
// stream (which libjpeg only warns about and fills with grey), comes back as false with a
// readable reason; the process is never ended and no half-read picture is returned.
class JpegDecoder {
public:
    // Pictures larger than this are refused before any pixel memory is taken.
    static constexpr qint64 MaxPixels = 64LL * 1024 * 1024;

    static bool decode(const QByteArray &data, QImage &out, QString *error = nullptr);
};
