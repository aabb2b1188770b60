#include "components/radiopanel.h"

#include "platform/application.h"

#include <QApplication>
#include <QPainter>
#include <QPlainTextEdit>

TRadioPanel::TRadioPanel(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    TAnchorHelper::setAnchors(this, akLeft | akTop);
    m_finalAnchors = akLeft | akTop;
    m_adopted = false;
    m_radioEnabled = false;
    resize(194, 100);
    m_memoHeight = 58;
    setVisible(false);
    connect(qApp, &QApplication::focusChanged, this, &TRadioPanel::onFocusChanged);
}

TRadioPanel::~TRadioPanel() = default;

void TRadioPanel::setFinalAnchors(TAnchors anchors)
{
    if (m_adopted)
        TAnchorHelper::setAnchors(this, anchors);
    m_finalAnchors = anchors;
}

void TRadioPanel::setBorderStyle(TBorderStyle style)
{
    if (style == m_borderStyle)
        return;
    m_borderStyle = style;
    setFrameShape(style == bsSingle ? QFrame::Box : QFrame::NoFrame);
}

void TRadioPanel::setColor(TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    update();
}

void TRadioPanel::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), toQColor(m_color));
    }
    QFrame::paintEvent(event);
}

bool TRadioPanel::holds(const QWidget *w) const
{
    return w && (w == this || isAncestorOf(w));
}

void TRadioPanel::onFocusChanged(QWidget *, QWidget *now)
{
    // Like a form that remembers its active control, a panel is entered once per visit within
    // its own window: switching to another window and back is no new entry.
    if (!now)
        return;
    if (holds(now)) {
        if (m_focusInside)
            return;
        m_focusInside = true;
        if (m_onEnter) {
            TNotifyEvent handler = m_onEnter;
            TApplication::guarded([&] { handler(this); });
        }
    } else if (m_focusInside && now->window() == window()) {
        m_focusInside = false;
        if (m_onExit) {
            TNotifyEvent handler = m_onExit;
            TApplication::guarded([&] { handler(this); });
        }
    }
}
