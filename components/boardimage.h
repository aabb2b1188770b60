#pragma once
#include "platform/colors.h"
#include "platform/events.h"
#include "platform/graphiccontrol.h"
#include "platform/menuitem.h"
#include "platform/picture.h"

#include <QPointer>
#include <QRect>
#include <QWidget>


// The board photograph: a container that draws one picture and carries the highlight marks.
// At every paint it centres itself on its parent's outer size; at its first paint it records
// where the page put it (the home place), which the popups use to follow it.
class TBoardImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName)
    Q_PROPERTY(int Tag READ tag WRITE setTag)
    Q_PROPERTY(int Left READ left WRITE setLeft)
    Q_PROPERTY(int Top READ top WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(QString Hint READ toolTip WRITE setToolTip)
    Q_PROPERTY(TGraphicControl *First READ first WRITE setFirst)
    Q_PROPERTY(TMainMenu *Menu READ menu WRITE setMenu)
    Q_PROPERTY(bool CenterOnForm READ centerOnForm WRITE setCenterOnForm)
    Q_PROPERTY(bool Scale READ scale WRITE setScale)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool Center READ center WRITE setCenter)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QImage Picture READ pictureImage WRITE setPictureImage)
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool Visible READ isVisibleTo WRITE setVisible)
public:
    explicit TBoardImage(QWidget *parent = nullptr);
    ~TBoardImage() override;

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    int left() const { return x(); }
    int top() const { return y(); }
    void setLeft(int left) { setBounds(left, y(), width(), height()); }
    void setTop(int top) { setBounds(x(), top, width(), height()); }
    void setWidth(int w) { setBounds(x(), y(), w, height()); }
    void setHeight(int h) { setBounds(x(), y(), width(), h); }
    // Every size change goes through the auto-size rule while AutoSize is set.
    void setBounds(int left, int top, int w, int h);

    TGraphicControl *first() const { return m_first; }
    void setFirst(TGraphicControl *mark) { m_first = mark; }
    TMainMenu *menu() const { return m_menu; }
    void setMenu(TMainMenu *menu) { m_menu = menu; }
    bool centerOnForm() const { return m_centerOnForm; }
    void setCenterOnForm(bool on) { m_centerOnForm = on; }
    bool scale() const { return m_scale; }
    void setScale(bool on);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);
    bool center() const { return m_center; }
    void setCenter(bool on);
    bool stretch() const { return m_stretch; }
    void setStretch(bool on);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);

    TPicture *picture() { return &m_picture; }
    const TPicture *picture() const { return &m_picture; }
    QImage pictureImage() const { return m_picture.image(); }
    void setPictureImage(const QImage &image) { m_picture.setImage(image); }

    int homeLeft() const { return m_homeLeft; }
    int homeTop() const { return m_homeTop; }
    bool homeRecorded() const { return m_homeRecorded; }
    double aspectRatio() const { return m_aspectRatio; }
    bool painting() const { return m_painting; }
    bool opaqueStyle() const { return testAttribute(Qt::WA_OpaquePaintEvent); }

    QRect targetRect() const;
    void handlePictureChange();
    // The size the image may take for a requested one; the image always consents.
    QSize autoSizeRule(int requestedWidth, int requestedHeight) const;
    // The parent's own bounds: for a main window's client area the window's outer size.
    QSize parentOuterSize() const;

    bool isVisibleTo() const { return !isHidden(); }

    // While a stored page is applied, the stored bounds stand as read.
    void setLoading(bool loading) { m_loading = loading; }
    void loaded() { m_loading = false; }

    void setOnClick(TNotifyEvent handler) { m_onClick = std::move(handler); }

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void startWalk();
    // Records the home place at the first call and moves the image to the middle of its
    // parent; true when it moved.
    bool placeInParent();
    bool updatePalette() { return false; } // no palette-based displays here

    TPicture m_picture;
    QPointer<TGraphicControl> m_first;
    QPointer<TMainMenu> m_menu;
    TNotifyEvent m_onClick;
    double m_aspectRatio = 1.0;
    int m_tag = 0;
    int m_homeLeft = 0;
    int m_homeTop = 0;
    bool m_homeRecorded = false;
    bool m_painting = false;
    bool m_centerOnForm = true;
    bool m_scale = true;
    bool m_autoSize = false;
    bool m_loading = false;
    bool m_center = false;
    bool m_stretch = false;
    bool m_transparent = false;
};
