// Any bytes given to the JPEG decoder come back as a whole picture or as a refusal.
#include "platform/jpegdecoder.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QImage image;
    QString error;
    const bool ok = JpegDecoder::decode(bytes, image, &error);
    if (ok == image.isNull() || (!ok && error.isEmpty()))
        std::abort(); // a refusal must say why, and a success must bring a picture
    if (ok && qint64(image.width()) * image.height() > JpegDecoder::MaxPixels)
        std::abort();
    return 0;
}
