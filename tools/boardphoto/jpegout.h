#pragma once

#include <QImage>
#include <QString>

struct JpegOptions {
    int quality = 90;
    int densityDpi = 72;
};

// Writes a progressive JFIF file with 4:2:0 chroma. The file
// is first written next to the target and renamed over it, so an interrupted
// run never leaves a truncated asset in the source tree.
bool writeProgressiveJpeg(const QImage &image, const QString &path, const JpegOptions &options,
                          QString *error);
