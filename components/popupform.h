#pragma once
#include "platform/form.h"

#include <QPointer>

#include <QStatusBar>
class QTimer;
class QWindow;
class TBoardHighlight;

// A mark's popup: an always-on-top sizeable tool window, built by the mark's ShowPopup at its
// first visit and from then on only shown and hidden.
class TPopupForm : public TForm {
    Q_OBJECT
    Q_PROPERTY(QStatusBar *PopupStatus READ popupStatus)
public:
    explicit TPopupForm(TBoardHighlight *owner);
    ~TPopupForm() override;

    QStatusBar *popupStatus() const { return m_popupStatus; }
    void setPopupStatus(QStatusBar *bar) { m_popupStatus = bar; }
    TBoardHighlight *highlight() const { return m_highlight; }
    void setHighlight(TBoardHighlight *mark) { m_highlight = mark; }
    bool closeOnLeave() const { return m_closeOnLeave; }
    void setCloseOnLeave(bool on) { m_closeOnLeave = on; }

    // True when the screen point lies in the window's outer rectangle (left and top edges
    // inside, right and bottom edges outside).
    bool containsScreenPoint(const QPoint &global) const;

    // The pointer-leave notice: a real exit closes a held popup, a move within it does not.
    void pointerLeft();

protected:
    void activationChanged(bool active) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void onFocusWindowChanged(QWindow *now);
    void watchFrame();

    QPointer<QStatusBar> m_popupStatus;
    QPointer<TBoardHighlight> m_highlight;
    QPointer<QWindow> m_lastFocusWindow;
    QTimer *m_frameWatch = nullptr;
    bool m_closeOnLeave = false;
};
