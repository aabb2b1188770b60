#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>
#include <functional>

// A picture holder: empty, or one image of a kind the program can decode. Its change
// notification runs on every change of the held image or its flags.
class TPicture {
public:
    enum class Kind { Empty, Bitmap, Jpeg, Icon, Metafile };

    TPicture() = default;
    TPicture(const TPicture &) = delete;
    TPicture &operator=(const TPicture &) = delete;

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage &image() const { return m_image; }

    // Decodes JPEG data. Bad data leaves the holder empty and is reported once through the
    // application's standard error report; the result tells whether the picture was taken.
    bool loadJpeg(const QByteArray &data);
    bool loadJpegResource(const QString &path);
    // Starts reading and decoding a JPEG file or resource on a second thread; the first
    // loadJpegResource of that path takes the result, with the same change notification and
    // the same report of bad data as a load of its own. Needs no application object, so a
    // program can start it before creating one.
    static void prefetchJpegResource(const QString &path);
    void setImage(const QImage &image, Kind kind = Kind::Bitmap);
    void assign(const TPicture &other);
    void clear();

    // The held image's own transparency flag (icons and metafiles keep theirs).
    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent) { m_transparent = transparent; }
    bool paletteChanged() const { return m_paletteChanged; }
    void setPaletteChanged(bool changed) { m_paletteChanged = changed; }

    void setOnChange(std::function<void()> handler) { m_onChange = std::move(handler); }

    // A decoded picture, or the reason there is none.
    struct Decoded {
        QImage image;
        QString error; // empty when the picture was taken
    };

private:
    static Decoded decodeResource(const QString &path);
    bool take(Decoded decoded);
    void changed();

    QImage m_image;
    Kind m_kind = Kind::Empty;
    bool m_transparent = false;
    bool m_paletteChanged = false;
    std::function<void()> m_onChange;
};
