#include "platform/form.h"

#include "platform/application.h"

#include <QCloseEvent>
#include <QEvent>

TForm::TForm(QWidget *owner, Style style, bool stayOnTop) : QWidget(owner), m_style(style), m_stayOnTop(stayOnTop)
{
    // Secondary windows never end the program when the user closes them.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_DeleteOnClose, false);
    applyFlags();
    if (TApplication *app = TApplication::instance())
        app->registerForm(this);
}

TForm::~TForm() = default;

void TForm::setTag(int tag)
{
    m_tag = tag;
}

void TForm::applyFlags()
{
    Qt::WindowFlags flags = m_style == Style::SizeableToolWindow ? Qt::Tool : Qt::Window;
    if (m_style == Style::Normal)
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    else
        flags |= Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (m_stayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    const bool wasVisible = isVisible();
    setWindowFlags(flags);
    if (wasVisible)
        show();
}

void TForm::setBorderStyle(Style style)
{
    if (style == m_style)
        return;
    m_style = style;
    applyFlags();
}

void TForm::setStayOnTop(bool onTop)
{
    if (onTop == m_stayOnTop)
        return;
    m_stayOnTop = onTop;
    applyFlags();
}

QRect TForm::outerRect() const
{
    // Before the window is created Qt derives the frame from an empty strut and reports it one
    // pixel smaller than the client area on each axis.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    if (outer.width() < inner.width() || outer.height() < inner.height())
        return inner;
    return outer;
}

QMargins TForm::frameMargins() const
{
    const QRect outer = outerRect();
    const QRect inner = geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

void TForm::setOuterSize(int w, int h)
{
    const QMargins m = frameMargins();
    resize(qMax(0, w - m.left() - m.right()), qMax(0, h - m.top() - m.bottom()));
}

void TForm::setMinimumOuterSize(int w, int h)
{
    const QMargins m = frameMargins();
    setMinimumSize(qMax(0, w - m.left() - m.right()), qMax(0, h - m.top() - m.bottom()));
}

void TForm::setOuterPos(int left, int top)
{
    // QWidget::move places the frame's top-left corner of a top-level window.
    move(left, top);
}

void TForm::fitClientToControls()
{
    QRect box;
    const QList<QWidget *> kids = findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *w : kids)
        if (!w->isWindow() && !w->isHidden())
            box = box.isNull() ? w->geometry() : box.united(w->geometry());
    if (box.isNull())
        return;
    for (QWidget *w : kids)
        if (!w->isWindow())
            w->move(w->x() - box.left(), w->y() - box.top());
    resize(box.width(), box.height());
}

void TForm::showAndRaise()
{
    show();
    raise();
    activateWindow();
}

void TForm::activationChanged(bool active)
{
    raiseActivationCallbacks(active);
}

void TForm::raiseActivationCallbacks(bool active)
{
    const TNotifyEvent &handler = active ? m_onActivate : m_onDeactivate;
    if (handler) {
        TNotifyEvent copy = handler;
        TApplication::guarded([&] { copy(this); });
    }
}

void TForm::closeEvent(QCloseEvent *event)
{
    if (m_onClose) {
        std::function<void()> handler = m_onClose;
        TApplication::guarded(handler);
    }
    // Closing only hides: the window and everything in it stay for the next showing.
    event->accept();
}

void TForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange) {
        const bool active = isActiveWindow();
        TApplication::guarded([&] { activationChanged(active); });
    }
    QWidget::changeEvent(event);
}
