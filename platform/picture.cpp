#include "platform/picture.h"

#include "platform/application.h"
#include "platform/jpegdecoder.h"

#include <QFile>
#include <QThread>

#include <future>
#include <map>
#include <mutex>

namespace {
// Prefetched pictures by path, each taken by the first load of its path.
struct Prefetches {
    std::mutex mutex;
    std::map<QString, std::shared_future<TPicture::Decoded>> byPath;
};
Prefetches &prefetches()
{
    static Prefetches instance;
    return instance;
}
} // namespace

bool TPicture::take(Decoded decoded)
{
    if (!decoded.error.isEmpty()) {
        m_image = QImage();
        m_kind = Kind::Empty;
        changed();
        if (TApplication *app = TApplication::instance())
            app->showException(decoded.error);
        return false;
    }
    m_image = std::move(decoded.image);
    m_kind = Kind::Jpeg;
    changed();
    return true;
}

bool TPicture::loadJpeg(const QByteArray &data)
{
    Decoded decoded;
    if (!JpegDecoder::decode(data, decoded.image, &decoded.error) && decoded.error.isEmpty())
        decoded.error = QStringLiteral("The picture cannot be decoded.");
    return take(std::move(decoded));
}

TPicture::Decoded TPicture::decodeResource(const QString &path)
{
    Decoded decoded;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        decoded.error = QStringLiteral("The picture %1 cannot be opened.").arg(path);
        return decoded;
    }
    if (!JpegDecoder::decode(file.readAll(), decoded.image, &decoded.error) && decoded.error.isEmpty())
        decoded.error = QStringLiteral("The picture cannot be decoded.");
    return decoded;
}

void TPicture::prefetchJpegResource(const QString &path)
{
    // Qt takes the first thread that asks for its thread data as the main thread. The decoding
    // thread opens a file object, so this thread asks first; otherwise a program that starts
    // a prefetch before its application object would find its GUI on the wrong thread.
    QThread::currentThread();
    Prefetches &p = prefetches();
    const std::lock_guard<std::mutex> lock(p.mutex);
    if (p.byPath.count(path))
        return;
    p.byPath.emplace(path, std::async(std::launch::async, [path] { return decodeResource(path); }).share());
}

bool TPicture::loadJpegResource(const QString &path)
{
    std::shared_future<Decoded> pending;
    {
        Prefetches &p = prefetches();
        const std::lock_guard<std::mutex> lock(p.mutex);
        if (auto it = p.byPath.find(path); it != p.byPath.end()) {
            pending = std::move(it->second);
            p.byPath.erase(it);
        }
    }
    return take(pending.valid() ? pending.get() : decodeResource(path));
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
