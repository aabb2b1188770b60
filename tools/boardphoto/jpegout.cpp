#include "jpegout.h"

#include <QByteArray>
#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

// The library's default handler calls exit(); jumping back lets the caller
// clean up the half-written temporary file and report the reason.
void onJpegError(j_common_ptr cinfo)
{
    auto *mgr = reinterpret_cast<ErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, mgr->message);
    std::longjmp(mgr->jump, 1);
}

// Kept free of objects with destructors because longjmp skips them.
bool compress(std::FILE *out, const unsigned char *pixels, int width, int height, int stride,
              const JpegOptions &options, char *message)
{
    jpeg_compress_struct cinfo;
    ErrorManager err;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onJpegError;
    err.message[0] = '\0';

    if (setjmp(err.jump)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        jpeg_destroy_compress(&cinfo);
        return false;
    }

    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);

    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, JCS_YCbCr);

    // Luma at full resolution, chroma halved both ways: the common camera
    // layout, decoded everywhere without surprises.
    cinfo.comp_info[0].h_samp_factor = 2;
    cinfo.comp_info[0].v_samp_factor = 2;
    for (int c = 1; c < 3; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }

    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 1;
    cinfo.density_unit = 1; // dots per inch
    cinfo.X_density = static_cast<UINT16>(options.densityDpi);
    cinfo.Y_density = static_cast<UINT16>(options.densityDpi);

    jpeg_set_quality(&cinfo, options.quality, TRUE);
    // Progressive scans let the page show a coarse picture while loading.
    jpeg_simple_progression(&cinfo);
    cinfo.optimize_coding = TRUE;

    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels + static_cast<std::ptrdiff_t>(cinfo.next_scanline) * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

bool writeProgressiveJpeg(const QImage &image, const QString &path, const JpegOptions &options,
                          QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };

    if (image.isNull())
        return fail(QStringLiteral("empty image"));

    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const QString tmpPath = path + QStringLiteral(".part");
    const QByteArray tmpName = QFile::encodeName(tmpPath);

    std::FILE *out = std::fopen(tmpName.constData(), "wb");
    if (!out)
        return fail(QStringLiteral("cannot open %1 for writing").arg(tmpPath));

    char message[JMSG_LENGTH_MAX] = {};
    const bool ok = compress(out, rgb.constBits(), rgb.width(), rgb.height(),
                             static_cast<int>(rgb.bytesPerLine()), options, message);
    const bool flushed = std::fflush(out) == 0;
    const bool closed = std::fclose(out) == 0;

    if (!ok || !flushed || !closed) {
        std::remove(tmpName.constData());
        return fail(ok ? QStringLiteral("write error on %1").arg(tmpPath)
                       : QStringLiteral("libjpeg: %1").arg(QString::fromLocal8Bit(message)));
    }
    if (std::rename(tmpName.constData(), QFile::encodeName(path).constData()) != 0) {
        std::remove(tmpName.constData());
        return fail(QStringLiteral("cannot move %1 to %2").arg(tmpPath, path));
    }
    return true;
}
