#pragma once
#include "platform/componentowner.h"
#include "platform/events.h"

#include <QWidget>
#include <functional>

// A secondary top-level window: it hides (never destroys itself) when closed, runs a close
// callback first, tells of activation changes, and owns its run-time components by name.
class TForm : public QWidget, public TComponentOwner {
    Q_OBJECT
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName)
    Q_PROPERTY(int Tag READ tag WRITE setTag)
    Q_PROPERTY(QString Caption READ windowTitle WRITE setWindowTitle)
public:
    enum class Style {
        Normal,            // sizeable window with title bar, system menu, minimise and maximise
        SizeableToolWindow // small caption, resizable frame
    };

    explicit TForm(QWidget *owner = nullptr, Style style = Style::Normal, bool stayOnTop = false);
    ~TForm() override;

    int tag() const { return m_tag; }
    void setTag(int tag);

    void setBorderStyle(Style style);
    Style borderStyle() const { return m_style; }
    void setStayOnTop(bool onTop);
    bool stayOnTop() const { return m_stayOnTop; }

    // Outer size is the frame's (title bar included) once the window system knows the frame,
    // and the client size before that.
    int outerWidth() const { return outerRect().width(); }
    int outerHeight() const { return outerRect().height(); }
    // The frame's rectangle in screen coordinates; the client rectangle while the frame is unknown.
    QRect outerRect() const;
    QMargins frameMargins() const;
    void setOuterSize(int w, int h);
    void setClientSize(int w, int h) { resize(w, h); }
    void setMinimumOuterSize(int w, int h);
    // Outer position in screen coordinates.
    void setOuterPos(int left, int top);
    int outerLeft() const { return outerRect().left(); }
    int outerTop() const { return outerRect().top(); }

    // The client area takes the bounding box of the visible child widgets, which all move so
    // that the box starts at the origin.
    void fitClientToControls();

    void setOnClose(std::function<void()> handler) { m_onClose = std::move(handler); }
    void setOnActivate(TNotifyEvent handler) { m_onActivate = std::move(handler); }
    void setOnDeactivate(TNotifyEvent handler) { m_onDeactivate = std::move(handler); }

    // Show and bring to the front; a hidden window keeps the place it had.
    void showAndRaise();

protected:
    // Activation notice from the window system; the default raises OnActivate/OnDeactivate.
    virtual void activationChanged(bool active);
    void raiseActivationCallbacks(bool active);

    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void applyFlags();

    std::function<void()> m_onClose;
    TNotifyEvent m_onActivate;
    TNotifyEvent m_onDeactivate;
    Style m_style;
    bool m_stayOnTop;
    int m_tag = 0;
};
