#include "platform/picture.h"

#include "platform/application.h"
#include "platform/jpegdecoder.h"

#include <QFile>

bool TPicture::loadJpeg(const QByteArray &data)
{
    QImage decoded;
    QString error;
    if (!JpegDecoder::decode(data, decoded, &error)) {
        m_image = QImage();
        m_kind = Kind::Empty;
        changed();
        if (TApplication *app = TApplication::instance())
            app->showException(error);
        return false;
    }
    m_image = decoded;
    m_kind = Kind::Jpeg;
    changed();
    return true;
}

bool TPicture::loadJpegResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        clear();
        if (TApplication *app = TApplication::instance())
            app->showException(QStringLiteral("The picture %1 cannot be opened.").arg(path));
        return false;
    }
    return loadJpeg(file.readAll());
}

void TPicture::setImage(const QImage &image, Kind kind)
{
    m_image = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
    m_kind = m_image.isNull() ? Kind::Empty : kind;
    changed();
}

void TPicture::assign(const TPicture &other)
{
    m_image = other.m_image;
    m_kind = other.m_kind;
    m_transparent = other.m_transparent;
    changed();
}

void TPicture::clear()
{
    m_image = QImage();
    m_kind = Kind::Empty;
    changed();
}

void TPicture::changed()
{
    if (m_onChange)
        m_onChange();
}
