#pragma once
#include "components/setuptypes.h"
#include "platform/graphiccontrol.h"

#include <QImage>
#include <QSize>

// A graphic control drawn upright into a work bitmap and turned by its Orientation. Turning
// it sideways exchanges its width and height at the next paint; turning it sideways and back
// before that paint exchanges nothing.
class TTurnedControl : public TGraphicControl {
    Q_OBJECT
public:
    explicit TTurnedControl(QWidget *parent = nullptr);

    TOrientationType orientation() const { return m_orientation; }
    void setOrientation(TOrientationType orientation);

    bool swapPending() const { return m_swapPending; }
    bool hasPainted() const { return m_hasPainted; }
    const QImage &workBitmap() const { return m_workBitmap; }
    const QImage &turnedBitmap() const { return m_turnedBitmap; }

protected:
    // The size of the upright drawing: the control's own, or exchanged while it lies sideways.
    QSize uprightSize() const;
    // Turns the upright drawing, applies a pending exchange of width and height and puts the
    // result on the screen.
    void showUpright(QImage upright);

private:
    TOrientationType m_orientation = otUp;
    QImage m_turnedBitmap;
    QImage m_workBitmap;
    bool m_swapPending = false;
    bool m_hasPainted = false;
};
