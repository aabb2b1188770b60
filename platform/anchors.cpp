#include "platform/anchors.h"

#include <QEvent>
#include <QResizeEvent>
#include <QWidget>

TAnchorHelper::TAnchorHelper(QWidget *control) : QObject(control), m_control(control)
{
    setObjectName(QStringLiteral("__anchors"));
}

static TAnchorHelper *helperOf(const QWidget *control)
{
    return control->findChild<TAnchorHelper *>(QStringLiteral("__anchors"), Qt::FindDirectChildrenOnly);
}

void TAnchorHelper::setAnchors(QWidget *control, TAnchors anchors)
{
    if (!control)
        return;
    TAnchorHelper *h = helperOf(control);
    if (!h)
        h = new TAnchorHelper(control);
    if (h->m_parent)
        h->m_parent->removeEventFilter(h);
    control->removeEventFilter(h);
    h->m_anchors = anchors;
    h->m_origin = control->geometry();
    QWidget *parent = control->parentWidget();
    h->m_parent = parent;
    h->m_parentOrigin = parent ? parent->size() : QSize();
    h->m_applied = h->m_origin;
    if (parent)
        parent->installEventFilter(h);
    // A move or resize by the program (not by the anchoring) sets new distances.
    control->installEventFilter(h);
}

TAnchors TAnchorHelper::anchors(const QWidget *control)
{
    const TAnchorHelper *h = helperOf(control);
    return h ? h->m_anchors : TAnchors(akLeft | akTop);
}

bool TAnchorHelper::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_parent && event->type() == QEvent::Resize) {
        // The program may have moved or sized the control since the last reflow (a hidden
        // control gets no move or resize events to tell us): its present place, against the
        // parent's size before this resize, is then the new reference.
        const QSize oldParent = static_cast<QResizeEvent *>(event)->oldSize();
        if (m_control->geometry() != m_applied || m_parentOrigin.isEmpty()) {
            m_origin = m_control->geometry();
            m_parentOrigin = oldParent.isValid() ? oldParent : static_cast<QWidget *>(m_parent)->size();
        }
        reflow();
    } else if (watched == m_control && event->type() == QEvent::ParentChange) {
        setAnchors(m_control, m_anchors);
    }
    return false;
}

void TAnchorHelper::reflow()
{
    QWidget *parent = m_control->parentWidget();
    if (!parent || m_parentOrigin.isEmpty())
        return;
    const QSize now = parent->size();
    const int dw = now.width() - m_parentOrigin.width();
    const int dh = now.height() - m_parentOrigin.height();
    QRect g = m_origin;

    auto axis = [](bool nearEdge, bool farEdge, int pos, int len, int delta, int originParent, int nowParent,
                   int &outPos, int &outLen) {
        outPos = pos;
        outLen = len;
        if (nearEdge && farEdge) {
            outLen = qMax(0, len + delta);
        } else if (farEdge) {
            outPos = pos + delta;
        } else if (!nearEdge) {
            // Keep the centre at the same fraction of the parent's extent.
            if (originParent > 0)
                outPos = int((qint64(pos) * 2 + len) * nowParent / originParent - len) / 2;
        }
    };
    int x, w, y, h;
    axis(m_anchors & akLeft, m_anchors & akRight, g.x(), g.width(), dw, m_parentOrigin.width(), now.width(), x, w);
    axis(m_anchors & akTop, m_anchors & akBottom, g.y(), g.height(), dh, m_parentOrigin.height(), now.height(), y, h);
    m_control->setGeometry(x, y, w, h);
    m_applied = m_control->geometry();
}
