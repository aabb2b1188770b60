#pragma once
#include "platform/events.h"

#include <QWidget>

// A windowless control drawn on its parent's surface: a non-native child widget without a
// background of its own. Pointer enter and leave arrive with a relay word (0 from the toolkit
// or a simulated real visit, 1 when a twin passes a notice on).
class TGraphicControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName)
    Q_PROPERTY(int Tag READ tag WRITE setTag)
    Q_PROPERTY(int Left READ left WRITE setLeft)
    Q_PROPERTY(int Top READ top WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
public:
    explicit TGraphicControl(QWidget *parent = nullptr);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    int left() const { return x(); }
    int top() const { return y(); }
    void setLeft(int left) { move(left, y()); }
    void setTop(int top) { move(x(), top); }
    void setWidth(int w) { resize(w, height()); }
    void setHeight(int h) { resize(width(), h); }
    void setBounds(int left, int top, int w, int h) { setGeometry(left, top, w, h); }

    void setOnClick(TNotifyEvent handler) { m_onClick = std::move(handler); }
    void setOnMouseDown(TMouseEvent handler) { m_onMouseDown = std::move(handler); }
    void setOnMouseMove(TMouseEvent handler) { m_onMouseMove = std::move(handler); }
    void setOnMouseUp(TMouseEvent handler) { m_onMouseUp = std::move(handler); }
    const TNotifyEvent &onClick() const { return m_onClick; }
    const TMouseEvent &onMouseDown() const { return m_onMouseDown; }

    // The pointer notices; the toolkit's enter and leave events call them with relay word 0.
    virtual void mouseEnter(int relay);
    virtual void mouseLeave(int relay);
    // A left press released inside the control (the second press of a double click is not one).
    virtual void click();

    void bringToFront() { raise(); }
    // The control's setting in words, for screen readers ("left pins", "1 1"); none by default.
    virtual QString accessibleState() const { return {}; }
    // Requests a repaint; never draws at once. Counted, so that tests can see needless ones.
    void invalidate();
    int invalidations() const { return m_invalidations; }

    static TShiftState shiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void raiseMouse(const TMouseEvent &handler, QMouseEvent *event, bool doubleClick);

    TNotifyEvent m_onClick;
    TMouseEvent m_onMouseDown;
    TMouseEvent m_onMouseMove;
    TMouseEvent m_onMouseUp;
    int m_tag = 0;
    int m_invalidations = 0;
    bool m_clickArmed = false;
};
