#pragma once
#include "platform/anchors.h"
#include "platform/colors.h"
#include "platform/events.h"
#include "components/setuptypes.h"

#include <QFrame>
#include <QPointer>
#include <QStringList>

#include <QPlainTextEdit>

// The content of a mark's popup: laid out on the page with its widgets and explanation lines,
// hidden until a popup adopts it, then the popup's upper part for the rest of the run.
class TRadioPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName)
    Q_PROPERTY(int Tag READ tag WRITE setTag)
    Q_PROPERTY(int Left READ left WRITE setLeft)
    Q_PROPERTY(int Top READ top WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(QString Hint READ toolTip WRITE setToolTip)
    Q_PROPERTY(bool RadioEnabled READ radioEnabled WRITE setRadioEnabled)
    Q_PROPERTY(QStringList Lines READ lines WRITE setLines)
    Q_PROPERTY(int MemoHeight READ memoHeight WRITE setMemoHeight)
    Q_PROPERTY(TAnchors FinalAnchors READ finalAnchors WRITE setFinalAnchors)
    Q_PROPERTY(TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(quint32 Color READ color WRITE setColor)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ isVisibleFlag WRITE setVisible)
public:
    explicit TRadioPanel(QWidget *parent = nullptr);
    ~TRadioPanel() override;

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    int left() const { return x(); }
    int top() const { return y(); }
    void setLeft(int left) { move(left, y()); }
    void setTop(int top) { move(x(), top); }
    void setWidth(int w) { resize(w, height()); }
    void setHeight(int h) { resize(width(), h); }
    void setBounds(int left, int top, int w, int h) { setGeometry(left, top, w, h); }

    bool radioEnabled() const { return m_radioEnabled; }
    void setRadioEnabled(bool on) { m_radioEnabled = on; }
    const QStringList &lines() const { return m_lines; }
    void setLines(const QStringList &lines) { m_lines = lines; }
    int memoHeight() const { return m_memoHeight; }
    void setMemoHeight(int h) { m_memoHeight = h; }
    TAnchors finalAnchors() const { return m_finalAnchors; }
    void setFinalAnchors(TAnchors anchors);
    TAnchors anchors() const { return TAnchorHelper::anchors(this); }
    void setAnchors(TAnchors anchors) { TAnchorHelper::setAnchors(this, anchors); }
    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    TColor color() const { return m_color; }
    void setColor(TColor color);
    bool isVisibleFlag() const { return !isHidden(); }

    bool adopted() const { return m_adopted; }
    void setAdopted(bool adopted) { m_adopted = adopted; }
    QPlainTextEdit *linkedMemo() const { return m_linkedMemo; }
    void setLinkedMemo(QPlainTextEdit *memo) { m_linkedMemo = memo; }

    void setOnRadioChange(TNotifyEvent handler) { m_onRadioChange = std::move(handler); }
    const TNotifyEvent &onRadioChange() const { return m_onRadioChange; }
    void setOnActivate(TNotifyEvent handler) { m_onActivate = std::move(handler); }
    const TNotifyEvent &onActivate() const { return m_onActivate; }
    void setOnDeactivate(TNotifyEvent handler) { m_onDeactivate = std::move(handler); }
    const TNotifyEvent &onDeactivate() const { return m_onDeactivate; }
    // Raised when the keyboard focus moves into the panel (itself or a widget in it) from a
    // widget of the same window outside it, or when its window first gives it the focus.
    void setOnEnter(TNotifyEvent handler) { m_onEnter = std::move(handler); }
    const TNotifyEvent &onEnter() const { return m_onEnter; }
    void setOnExit(TNotifyEvent handler) { m_onExit = std::move(handler); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void onFocusChanged(QWidget *old, QWidget *now);
    bool holds(const QWidget *w) const;

    QStringList m_lines;
    QPointer<QPlainTextEdit> m_linkedMemo;
    TNotifyEvent m_onRadioChange;
    TNotifyEvent m_onActivate;
    TNotifyEvent m_onDeactivate;
    TNotifyEvent m_onEnter;
    TNotifyEvent m_onExit;
    TAnchors m_finalAnchors = TAnchors(akLeft | akTop);
    TColor m_color = TColors::BtnFace;
    TBorderStyle m_borderStyle = bsNone;
    int m_tag = 0;
    int m_memoHeight = 58;
    bool m_radioEnabled = false;
    bool m_adopted = false;
    bool m_focusInside = false;
};
