#include "components/boardimage.h"

#include "platform/application.h"
#include "platform/graphiccontrol.h"
#include "platform/menuitem.h"
#include "platform/messages.h"

#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>

TBoardImage::TBoardImage(QWidget *parent) : QWidget(parent)
{
    // Opaque until the picture says otherwise: invalidating then does not clear first.
    setAttribute(Qt::WA_OpaquePaintEvent, true);
    m_picture.setOnChange([this] { handlePictureChange(); });
    resize(105, 105);
    m_aspectRatio = 1.0;
    m_autoSize = true; // a new image keeps its 105 x 105 until its size next changes
    m_scale = true;
    m_menu = nullptr;
    m_centerOnForm = true;
    m_homeRecorded = false;
    setStretch(false);
    if (parent)
        parent->installEventFilter(this);
}

TBoardImage::~TBoardImage()
{
    m_picture.setOnChange(nullptr);
}

void TBoardImage::setBounds(int left, int top, int w, int h)
{
    if (m_autoSize && !m_loading) {
        const QSize s = autoSizeRule(w, h);
        w = s.width();
        h = s.height();
    }
    setGeometry(left, top, qMax(0, w), qMax(0, h));
}

QSize TBoardImage::autoSizeRule(int, int) const
{
    // Without alignment both sides follow the picture, so an empty picture gives 0 x 0.
    return QSize(m_picture.width(), m_picture.height());
}

void TBoardImage::setAutoSize(bool on)
{
    if (on == m_autoSize)
        return;
    m_autoSize = on;
    if (on)
        setBounds(x(), y(), width(), height());
}

void TBoardImage::setScale(bool on)
{
    if (on == m_scale)
        return;
    m_scale = on;
    handlePictureChange();
}

void TBoardImage::setCenter(bool on)
{
    if (on == m_center)
        return;
    m_center = on;
    handlePictureChange();
}

void TBoardImage::setStretch(bool on)
{
    if (on == m_stretch)
        return;
    m_stretch = on;
    handlePictureChange();
}

void TBoardImage::setTransparent(bool on)
{
    if (on == m_transparent)
        return;
    m_transparent = on;
    handlePictureChange();
}

QRect TBoardImage::targetRect() const
{
    if (m_stretch)
        return QRect(0, 0, width(), height());
    if (m_center)
        return QRect((width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2, m_picture.width(),
                     m_picture.height());
    return QRect(0, 0, m_picture.width(), m_picture.height());
}

void TBoardImage::handlePictureChange()
{
    const int pw = m_picture.width();
    const int ph = m_picture.height();
    if (pw > 0 && ph > 0)
        m_aspectRatio = double(static_cast<long double>(ph) / static_cast<long double>(pw));
    if (m_autoSize && pw > 0 && ph > 0)
        setGeometry(x(), y(), pw, ph);
    if (!m_picture.isEmpty()) {
        if (m_picture.kind() != TPicture::Kind::Icon && m_picture.kind() != TPicture::Kind::Metafile)
            m_picture.setTransparent(m_transparent);
        const bool opaque = !m_picture.transparent() && (m_stretch || (pw >= width() && ph >= height()));
        setAttribute(Qt::WA_OpaquePaintEvent, opaque);
        if (updatePalette() && m_painting)
            repaint();
    } else {
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    }
    if (!m_painting)
        update();
}

QSize TBoardImage::parentOuterSize() const
{
    QWidget *p = parentWidget();
    if (!p)
        return size();
    if (p->isWindow())
        return p->frameGeometry().size();
    if (auto *main = qobject_cast<QMainWindow *>(p->window()); main && main->centralWidget() == p)
        return main->frameGeometry().size();
    return p->size();
}

bool TBoardImage::placeInParent()
{
    if (!m_homeRecorded) {
        m_homeLeft = x();
        m_homeTop = y();
        m_homeRecorded = true;
    }
    if (!m_centerOnForm || !parentWidget())
        return false;
    const QSize outer = parentOuterSize();
    const int newLeft = (outer.width() - width()) / 2; // truncates toward zero
    const int newTop = (outer.height() - height()) / 2;
    if (newLeft == x() && newTop == y())
        return false;
    if (newLeft != x())
        move(newLeft, y());
    if (newTop != y())
        move(x(), newTop);
    return true;
}

bool TBoardImage::eventFilter(QObject *watched, QEvent *event)
{
    // The image takes its centred place as soon as its parent has a new size, so the paint
    // that follows already draws there; otherwise each first paint after a resize would only
    // move the image and leave its new place unpainted until the next one.
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        placeInParent();
    return QWidget::eventFilter(watched, event);
}

void TBoardImage::paintEvent(QPaintEvent *)
{
    if (placeInParent()) {
        // This paint was set up for the old place; drawing now would land in the wrong part
        // of the window. The move has asked for a paint at the new place.
        update();
        return;
    }

    struct PaintingScope {
        bool &flag;
        bool old;
        explicit PaintingScope(bool &f) : flag(f), old(f) { flag = true; }
        ~PaintingScope() { flag = old; }
    } scope(m_painting);

    QPainter painter(this);
    if (!testAttribute(Qt::WA_OpaquePaintEvent) || m_picture.isEmpty())
        painter.fillRect(rect(), toQColor(TColors::BtnFace));
    if (m_picture.isEmpty())
        return;
    const QRect target = targetRect();
    if (target.size() == m_picture.image().size())
        painter.drawImage(target.topLeft(), m_picture.image());
    else
        painter.drawImage(target, m_picture.image());
}

bool TBoardImage::event(QEvent *event)
{
    if (event->type() == QEvent::ParentAboutToChange && parentWidget())
        parentWidget()->removeEventFilter(this);
    else if (event->type() == QEvent::ParentChange && parentWidget())
        parentWidget()->installEventFilter(this);
    if (event->type() == StartWalkMessage) {
        startWalk();
        return true;
    }
    return QWidget::event(event);
}

void TBoardImage::startWalk()
{
    if (!m_first)
        return;
    QPointer<TGraphicControl> mark = m_first;
    mark->mouseEnter(0);
    if (mark)
        mark->click();
    if (mark)
        mark->mouseLeave(0);
}

void TBoardImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && m_onClick) {
        TNotifyEvent handler = m_onClick;
        TApplication::guarded([&] { handler(this); });
    }
}
