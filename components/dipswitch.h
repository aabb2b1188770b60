#pragma once
#include "components/setuptypes.h"
#include "platform/colors.h"
#include "components/turnedcontrol.h"

#include <QImage>
#include <QString>

// A block of DIP switches drawn as it looks on the board. The setting is held twice, as a
// number and as a string of "0"/"1" (first character = leftmost switch = most significant
// bit), and the setters keep the two in step. The control has no click behaviour: the page
// answers its mouse presses (OnMouseDown, raised for every press) by changing Value.
class TDipSwitch : public TTurnedControl {
    Q_OBJECT
    Q_PROPERTY(quint32 SwitchColor READ switchColor WRITE setSwitchColor)
    Q_PROPERTY(SetupTypes::TOrientationType Orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(int NumSwitches READ numSwitches WRITE setNumSwitches)
    Q_PROPERTY(QString BinaryValueStr READ binaryValueStr WRITE setBinaryValueStr)
    Q_PROPERTY(quint32 Value READ value WRITE setValue)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ visibleFlag WRITE setVisible)
public:
    // What a stored page leaves out; a new control starts with 3 switches all the same.
    static constexpr int DeclaredNumSwitches = 7;
    static constexpr TColor DeclaredSwitchColor = 0xFFFFFF;

    explicit TDipSwitch(QWidget *parent = nullptr);
    ~TDipSwitch() override;

    TColor switchColor() const { return m_switchColor; }
    void setSwitchColor(TColor color);
    int numSwitches() const { return m_numSwitches; }
    // Counts outside 1..32 are refused: Value has one bit a switch in 32 bits, and no switch
    // at all leaves nothing to draw.
    void setNumSwitches(int count);
    QString binaryValueStr() const { return m_binaryValueStr; }
    void setBinaryValueStr(const QString &text);
    quint32 value() const { return m_value; }
    void setValue(quint32 value);

    QString accessibleState() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool visibleFlag() const { return parentWidget() ? isVisibleTo(parentWidget()) : isVisible(); }
    quint32 mask() const;
    // Applies a string already cleaned of stray characters; true when something changed.
    bool applyBinaryDigits(QString digits);

    int m_numSwitches = 3;
    quint32 m_value = 0;
    QString m_binaryValueStr = QStringLiteral("000");
    TColor m_switchColor = 0xFFFFFF;
};
