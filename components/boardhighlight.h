#pragma once
#include "components/setuptypes.h"
#include "platform/colors.h"
#include "platform/graphiccontrol.h"

#include <QImage>
#include <QPointer>
#include <QString>

#include "platform/menuitem.h"
class TMenuItem;
#include "components/popupform.h"
#include "components/radiopanel.h"
class TBoardImage;

// One coloured ring over the board photograph. Pointing at it lights it and shows its popup;
// marks with equal Title and kind on one board image (twins) act as one mark.
class TBoardHighlight : public TGraphicControl {
    Q_OBJECT
    Q_PROPERTY(QString Hint READ toolTip WRITE setToolTip)
    Q_PROPERTY(bool CreatePopup READ createPopup WRITE setCreatePopup)
    Q_PROPERTY(THighlightType HighlightType READ highlightType WRITE setHighlightType)
    Q_PROPERTY(TRadioPanel *RadioPanel READ radioPanel WRITE setRadioPanel)
    Q_PROPERTY(QString Title READ title WRITE setTitle)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ isVisibleFlag WRITE setVisible)
public:
    explicit TBoardHighlight(QWidget *parent = nullptr);
    ~TBoardHighlight() override;

    bool createPopup() const { return m_createPopup; }
    void setCreatePopup(bool on) { m_createPopup = on; }
    THighlightType highlightType() const { return m_highlightType; }
    void setHighlightType(THighlightType type);
    TRadioPanel *radioPanel() const { return m_radioPanel; }
    // A panel serves several marks only when they are twins; a conflicting link is refused.
    void setRadioPanel(TRadioPanel *panel);
    QString title() const { return m_title; }
    void setTitle(const QString &title);
    bool isVisibleFlag() const { return !isHidden(); }

    QString popupCaption() const { return m_popupCaption; }
    QString titleIdent() const { return m_titleIdent; }
    TColor ringColor() const { return m_ringColor; }
    float normalStrength() const { return m_normalStrength; }
    float hotStrength() const { return m_hotStrength; }
    float activeStrength() const { return m_activeStrength; }
    const QImage &normalGlyph() const { return m_normalGlyph; }
    const QImage &activeGlyph() const { return m_activeGlyph; }
    const QImage &hotGlyph() const { return m_hotGlyph; }
    // The glyph the next paint copies.
    const QImage &currentGlyph() const;
    bool glyphsBuilt() const { return m_glyphsBuilt; }
    bool lit() const { return m_lit; }
    bool pinned() const { return m_pinned; }
    bool popupActive() const { return m_popupActive; }
    TPopupForm *popup() const { return m_popup; }
    TMainMenu *boardMenu() const { return m_boardMenu; }

    static QString stripAmpersands(const QString &text);
    static QString makeIdent(const QString &text);
    static QString kindCaption(THighlightType type);

    void mouseEnter(int relay) override;
    void mouseLeave(int relay) override;
    void click() override;

    void buildGlyphs();
    void showPopup();
    void pinPopup();
    void setPopupActive(bool active, bool relay = true);
    void popupClosed();

    void buildMenuEntries();
    void setMenuCheck(bool checked);
    // The menu entry's click callback, also run by Previous and Next with a mark as sender.
    void menuEntryClick(QObject *sender);
    void previousClick(QObject *sender);
    void nextClick(QObject *sender);
    void doneClick(QObject *sender);

    // The board image this mark sits on, when its parent is exactly one.
    TBoardImage *boardImage() const;
    // The marks of the same board image with equal Title and kind, this one included, in the
    // parent's control order; empty when the parent is not a board image.
    QList<TBoardHighlight *> twins() const;
    bool isTwinOf(const TBoardHighlight *other) const;
    // This mark's menu entry, with its kind item and index there.
    TMenuItem *findMenuEntry(TMenuItem **kindItem = nullptr, int *index = nullptr) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void closePopup();
    void walk(int direction);
    bool groupShowsPopup() const;
    void unlight();
    TMenuItem *makeMenuItem(const QString &caption, const QString &stem);

    QImage m_normalGlyph;
    QImage m_activeGlyph;
    QImage m_hotGlyph;
    QPointer<TRadioPanel> m_radioPanel;
    QPointer<TPopupForm> m_popup;
    QPointer<TMainMenu> m_boardMenu;
    QString m_title;
    QString m_popupCaption;
    QString m_titleIdent;
    TColor m_ringColor = 0;
    float m_normalStrength = 0;
    float m_activeStrength = 0;
    float m_hotStrength = 0;
    THighlightType m_highlightType = htOptions;
    bool m_createPopup = true;
    bool m_lit = false;
    bool m_glyphsBuilt = false;
    bool m_pinned = false;
    bool m_popupActive = false;
};
