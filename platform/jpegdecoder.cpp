#include "platform/jpegdecoder.h"

#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

namespace {
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    int eofWarnings;
    int corruptWarnings;
};

[[noreturn]] void onError(j_common_ptr cinfo)
{
    auto *mgr = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, mgr->message);
    std::longjmp(mgr->jump, 1);
}

void onMessage(j_common_ptr cinfo, int level)
{
    auto *mgr = reinterpret_cast<ErrorManager *>(cinfo->err);
    if (level >= 0)
        return; // trace messages
    // Level -1 is a warning: a stream that ended early or had corrupt data was filled in
    // by libjpeg, which would show a damaged picture as if it were whole.
    if (cinfo->err->msg_code == JWRN_JPEG_EOF)
        ++mgr->eofWarnings;
    else
        ++mgr->corruptWarnings;
    if (mgr->eofWarnings + mgr->corruptWarnings == 1)
        (*cinfo->err->format_message)(cinfo, mgr->message);
    cinfo->err->num_warnings++;
}
} // namespace

bool JpegDecoder::decode(const QByteArray &data, QImage &out, QString *error)
{
    // C++ objects live outside the setjmp frame: longjmp must skip no destructor.
    QImage image;
    QString reason;
    out = QImage();

    if (data.isEmpty()) {
        if (error)
            *error = QStringLiteral("The picture data is empty.");
        return false;
    }

    jpeg_decompress_struct cinfo{};
    ErrorManager mgr{};
    cinfo.err = jpeg_std_error(&mgr.base);
    mgr.base.error_exit = onError;
    mgr.base.emit_message = onMessage;
    mgr.message[0] = 0;

    bool ok = false;
    if (setjmp(mgr.jump) == 0) {
        jpeg_create_decompress(&cinfo);
        jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(data.constData()),
                     static_cast<unsigned long>(data.size()));
        jpeg_read_header(&cinfo, TRUE);
        const qint64 pixels = qint64(cinfo.image_width) * qint64(cinfo.image_height);
        if (cinfo.image_width == 0 || cinfo.image_height == 0 || pixels > MaxPixels) {
            reason = QStringLiteral("The picture's declared size %1 x %2 is too large.")
                         .arg(cinfo.image_width)
                         .arg(cinfo.image_height);
        } else {
#ifdef JCS_EXTENSIONS
            // Straight into the image's rows: RGB32 is B, G, R, 0xFF in memory.
            cinfo.out_color_space = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRA : JCS_EXT_ARGB;
            constexpr int components = 4;
#else
            cinfo.out_color_space = JCS_RGB;
            constexpr int components = 3;
#endif
            jpeg_start_decompress(&cinfo);
            image = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
            if (image.isNull() || cinfo.output_components != components) {
                reason = QStringLiteral("Not enough memory for the picture.");
            } else {
                QByteArray row(components == 3 ? int(cinfo.output_width) * 3 : 0, Qt::Uninitialized);
                while (cinfo.output_scanline < cinfo.output_height) {
                    const int y = int(cinfo.output_scanline);
                    QRgb *dst = reinterpret_cast<QRgb *>(image.scanLine(y));
                    JSAMPROW rowPtr = components == 4 ? reinterpret_cast<JSAMPROW>(dst)
                                                      : reinterpret_cast<JSAMPROW>(row.data());
                    if (jpeg_read_scanlines(&cinfo, &rowPtr, 1) != 1)
                        break;
                    if (components == 3) {
                        const unsigned char *src = reinterpret_cast<const unsigned char *>(row.constData());
                        for (unsigned x = 0; x < cinfo.output_width; ++x, src += 3)
                            dst[x] = qRgb(src[0], src[1], src[2]);
                    }
                }
                jpeg_finish_decompress(&cinfo);
                if (mgr.eofWarnings > 0)
                    reason = QStringLiteral("The picture data ends before the picture is complete.");
                else if (mgr.corruptWarnings > 0)
                    reason = QStringLiteral("The picture data is damaged: %1").arg(QString::fromLocal8Bit(mgr.message));
                else
                    ok = true;
            }
        }
    } else {
        reason = QStringLiteral("The picture is not a readable JPEG image: %1").arg(QString::fromLocal8Bit(mgr.message));
    }
    jpeg_destroy_decompress(&cinfo);

    if (ok) {
        out = image;
        return true;
    }
    if (error)
        *error = reason;
    return false;
}
