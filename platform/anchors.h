#pragma once
#include <QFlags>
#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

enum TAnchorKind { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(TAnchors)

// Keeps a child at its distances to the parent's edges as the parent resizes. A side pair
// anchored on both edges stretches; on neither it keeps its centre at the same proportion.
class TAnchorHelper : public QObject {
    Q_OBJECT
public:
    // Records the control's present geometry against the parent's present size.
    static void setAnchors(QWidget *control, TAnchors anchors);
    static TAnchors anchors(const QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit TAnchorHelper(QWidget *control);
    void reflow();

    QWidget *m_control;
    TAnchors m_anchors = TAnchors(akLeft | akTop);
    QRect m_origin;
    QRect m_applied;
    QSize m_parentOrigin;
    QObject *m_parent = nullptr;
};
