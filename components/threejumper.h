#pragma once
#include "components/setuptypes.h"
#include "platform/colors.h"
#include "components/turnedcontrol.h"

#include <QImage>

// A three-pin jumper header drawn as it looks on the board. A click steps the shunt
// open -> left -> right -> open (left <-> right while AllowOpen is false) and then raises
// OnClick, so the handler already sees the new state. Inside a panel of class "TRadioPanel"
// the background takes the panel's Color.
class TThreeJumper : public TTurnedControl {
    Q_OBJECT
    Q_PROPERTY(SetupTypes::TJumperState JumperState READ jumperState WRITE setJumperState)
    Q_PROPERTY(quint32 BaseColor READ baseColor WRITE setBaseColor)
    Q_PROPERTY(quint32 PinColor READ pinColor WRITE setPinColor)
    Q_PROPERTY(quint32 JumperColor READ jumperColor WRITE setJumperColor)
    Q_PROPERTY(SetupTypes::TOrientationType Orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(SetupTypes::TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(bool AllowOpen READ allowOpen WRITE setAllowOpen)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ visibleFlag WRITE setVisible)
public:
    explicit TThreeJumper(QWidget *parent = nullptr);
    ~TThreeJumper() override;

    TJumperState jumperState() const { return m_jumperState; }
    // jsOpen is refused silently while AllowOpen is false.
    void setJumperState(TJumperState state);
    TColor baseColor() const { return m_baseColor; }
    void setBaseColor(TColor color);
    TColor pinColor() const { return m_pinColor; }
    void setPinColor(TColor color);
    TColor jumperColor() const { return m_jumperColor; }
    void setJumperColor(TColor color);
    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    bool allowOpen() const { return m_allowOpen; }
    void setAllowOpen(bool allow);

    void click() override;
    QString accessibleState() const override;

    // The parent's Color when the parent is a radio panel, else button face.
    TColor backgroundColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool visibleFlag() const { return parentWidget() ? isVisibleTo(parentWidget()) : isVisible(); }

    TJumperState m_jumperState = jsOpen;
    TColor m_baseColor = 0x808080;
    TColor m_jumperColor = 0x000080;
    TColor m_pinColor = 0x00FFFF;
    TBorderStyle m_borderStyle = bsSingle;
    bool m_allowOpen = true;
};
