#include "components/boardhighlight.h"

#include "components/boardimage.h"
#include "components/popupform.h"
#include "components/radiopanel.h"
#include "components/ringrenderer.h"
#include "platform/anchors.h"
#include "platform/application.h"
#include "platform/componentowner.h"
#include "platform/menuitem.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>

#include <cstring>

namespace {
struct KindRow {
    TColor color;
    float normal;
    float hot;
    float active;
};

bool kindRow(THighlightType type, KindRow &row)
{
    switch (type) {
    case htOptions: row = {0x00FF0000, 0.25f, 0.5f, 1.0f}; return true;
    case htSettings: row = {0x0000FFFF, 0.5f, 0.75f, 1.0f}; return true;
    case htCalibration: row = {0x000000FF, 0.5f, 0.75f, 1.0f}; return true;
    }
    return false;
}

bool hasClassName(const QObject *object, const char *name)
{
    return object && std::strcmp(object->metaObject()->className(), name) == 0;
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}
bool isIdentStart(QChar c) { return isAsciiLetter(c) || c == QLatin1Char('_'); }
bool isIdentChar(QChar c) { return isIdentStart(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')); }

QStringList kindNames(THighlightType type)
{
    switch (type) {
    case htSettings: return {QStringLiteral("&Calibration"), QStringLiteral("&Options"), QStringLiteral("&Help")};
    case htCalibration: return {QStringLiteral("&Options"), QStringLiteral("&Help")};
    case htOptions: return {QStringLiteral("&Help")};
    }
    return {};
}

QString kindStem(THighlightType type)
{
    switch (type) {
    case htSettings: return QStringLiteral("Settings");
    case htCalibration: return QStringLiteral("Calibration");
    case htOptions: return QStringLiteral("Options");
    }
    return {};
}

// The parent's controls (child widgets, not windows) in paint order.
QList<QWidget *> controlsOf(const QWidget *parent)
{
    QList<QWidget *> out;
    if (!parent)
        return out;
    for (QObject *o : parent->children())
        if (o->isWidgetType() && !static_cast<QWidget *>(o)->isWindow())
            out.append(static_cast<QWidget *>(o));
    return out;
}
} // namespace

TBoardHighlight::TBoardHighlight(QWidget *parent) : TGraphicControl(parent)
{
    resize(65, 65);
    m_lit = false;
    m_glyphsBuilt = false;
    m_createPopup = true;
    m_normalGlyph = QImage(0, 0, QImage::Format_RGB32);
    m_activeGlyph = m_normalGlyph;
    m_hotGlyph = m_normalGlyph;
    setHighlightType(htSettings);
}

TBoardHighlight::~TBoardHighlight() = default;

void TBoardHighlight::setHighlightType(THighlightType type)
{
    if (type == m_highlightType)
        return;
    m_highlightType = type;
    KindRow row;
    if (kindRow(type, row)) {
        m_ringColor = row.color;
        m_normalStrength = row.normal;
        m_hotStrength = row.hot;
        m_activeStrength = row.active;
    }
    invalidate();
}

void TBoardHighlight::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    m_popupCaption = stripAmpersands(title);
    m_titleIdent = makeIdent(title);
}

void TBoardHighlight::setRadioPanel(TRadioPanel *panel)
{
    if (panel == m_radioPanel)
        return;
    if (!panel) {
        m_radioPanel = nullptr;
        return;
    }
    for (QWidget *w : controlsOf(parentWidget())) {
        if (w == this || !hasClassName(w, "TBoardHighlight"))
            continue;
        auto *other = static_cast<TBoardHighlight *>(w);
        if (other->m_radioPanel == panel && (other->m_title != m_title || other->m_highlightType != m_highlightType))
            return; // refused without a word at run time
    }
    m_radioPanel = panel;
}

QString TBoardHighlight::stripAmpersands(const QString &text)
{
    QString out = text;
    out.remove(QLatin1Char('&'));
    return out;
}

QString TBoardHighlight::makeIdent(const QString &text)
{
    if (text.isEmpty())
        return text;
    bool valid = isIdentStart(text.at(0));
    for (int i = 1; valid && i < text.size(); ++i)
        valid = isIdentChar(text.at(i));
    if (valid)
        return text;
    QString out = text;
    while (!out.isEmpty() && !isIdentStart(out.at(0)))
        out.remove(0, 1);
    int i = 1;
    while (i < out.size()) {
        if (isIdentChar(out.at(i)))
            ++i;
        else
            out.remove(i, 1);
    }
    return out;
}

QString TBoardHighlight::kindCaption(THighlightType type)
{
    switch (type) {
    case htSettings: return QStringLiteral("&Settings");
    case htCalibration: return QStringLiteral("&Calibration");
    case htOptions: return QStringLiteral("&Options");
    }
    return {};
}

TBoardImage *TBoardHighlight::boardImage() const
{
    QWidget *p = parentWidget();
    return hasClassName(p, "TBoardImage") ? static_cast<TBoardImage *>(p) : nullptr;
}

bool TBoardHighlight::isTwinOf(const TBoardHighlight *other) const
{
    return other && other->m_title == m_title && other->m_highlightType == m_highlightType;
}

QList<TBoardHighlight *> TBoardHighlight::twins() const
{
    QList<TBoardHighlight *> out;
    TBoardImage *board = boardImage();
    if (!board)
        return out;
    for (QWidget *w : controlsOf(board))
        if (auto *mark = qobject_cast<TBoardHighlight *>(w); mark && isTwinOf(mark))
            out.append(mark);
    return out;
}

// ---- drawing

void TBoardHighlight::buildGlyphs()
{
    const int w = width();
    const int h = height();
    QImage background(w, h, QImage::Format_RGB32);
    background.fill(toQColor(TColors::BtnFace));
    // What the parent has drawn under the mark, without the mark or its siblings.
    if (QWidget *p = parentWidget(); p && w > 0 && h > 0)
        p->render(&background, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    TRingRenderer::renderSet(std::move(background), m_ringColor, m_normalStrength, m_activeStrength, m_hotStrength, m_normalGlyph,
                             m_activeGlyph, m_hotGlyph);
}

const QImage &TBoardHighlight::currentGlyph() const
{
    if (m_popupActive && m_lit)
        return m_activeGlyph;
    if (m_popupActive || m_lit)
        return m_hotGlyph;
    return m_normalGlyph;
}

void TBoardHighlight::paintEvent(QPaintEvent *)
{
    if (!m_glyphsBuilt) {
        buildGlyphs();
        if (TBoardImage *board = boardImage()) {
            m_boardMenu = board->menu();
            buildMenuEntries();
        } else {
            m_boardMenu = nullptr;
        }
        m_glyphsBuilt = true;
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, currentGlyph());
}

// ---- pointer

void TBoardHighlight::mouseEnter(int relay)
{
    if (m_lit)
        return;
    m_lit = true;
    invalidate();
    if (m_createPopup)
        showPopup();
    if (relay == 1)
        return;
    for (const QPointer<TBoardHighlight> &twin : twins())
        if (twin)
            twin->mouseEnter(1);
}

bool TBoardHighlight::groupShowsPopup() const
{
    if (m_popup && m_popup->isVisible())
        return true;
    for (TBoardHighlight *twin : twins())
        if (twin->m_popup && twin->m_popup->isVisible())
            return true;
    return false;
}

void TBoardHighlight::unlight()
{
    if (!m_lit)
        return;
    m_lit = false;
    invalidate();
}

void TBoardHighlight::mouseLeave(int relay)
{
    if (!m_lit)
        return;
    if (m_popup && !m_pinned) {
        if (m_popup->containsScreenPoint(QCursor::pos())) {
            m_popup->setCloseOnLeave(true);
            pinPopup();
        } else {
            closePopup();
        }
    }
    // Only the closing of a popup unlights a group; a group without an open popup (marks that
    // make none, or whose popup could not be made) unlights as the pointer goes.
    if (m_lit && !groupShowsPopup())
        unlight();
    if (relay == 1)
        return;
    for (const QPointer<TBoardHighlight> &twin : twins())
        if (twin)
            twin->mouseLeave(1);
}

void TBoardHighlight::click()
{
    TGraphicControl::click();
    pinPopup();
}

void TBoardHighlight::pinPopup()
{
    // A hidden popup is not pinned: its check mark would show with nothing open, and it
    // cannot take the focus.
    if (m_popup && m_popup->isVisible()) {
        m_pinned = true;
        setMenuCheck(true);
    }
    if (!boardImage())
        return;
    for (const QPointer<TBoardHighlight> &twin : twins()) {
        if (!twin || !twin->m_popup || !twin->m_popup->isVisible())
            continue;
        twin->m_pinned = true;
        twin->setMenuCheck(true);
        twin->m_popup->raise();
        twin->m_popup->activateWindow();
    }
}

void TBoardHighlight::setPopupActive(bool active, bool relay)
{
    m_popupActive = active;
    bringToFront();
    invalidate();
    if (!relay || !boardImage())
        return;
    QWidget *board = parentWidget();
    int n = int(controlsOf(board).size());
    int i = 0;
    while (i < n) {
        const QList<QWidget *> controls = controlsOf(board);
        if (i >= controls.size())
            break;
        auto *mark = qobject_cast<TBoardHighlight *>(controls.at(i));
        if (mark && mark != this && isTwinOf(mark)) {
            // The twin moves to the end of the list: the next control is now at index i.
            mark->setPopupActive(active, false);
            --n;
        } else {
            ++i;
        }
    }
}

void TBoardHighlight::popupClosed()
{
    setMenuCheck(false);
    if (m_popup)
        m_popup->setCloseOnLeave(false);
    m_lit = false;
    invalidate();
    for (const QPointer<TBoardHighlight> &twin : twins()) {
        if (!twin)
            continue;
        twin->m_lit = false;
        twin->invalidate();
    }
}

void TBoardHighlight::closePopup()
{
    if (m_popup)
        m_popup->close();
}

// ---- popup

void TBoardHighlight::showPopup()
{
    if (m_popup) {
        if (m_popup->isHidden())
            m_pinned = false;
        m_popup->showAndRaise();
        return;
    }
    const int tag = int(m_highlightType);
    if (TApplication *app = TApplication::instance())
        for (QWidget *form : app->forms())
            if (form->windowTitle() == m_popupCaption && TApplication::formTag(form) == tag)
                return; // a twin's popup: the twin shows it

    auto *popup = new TPopupForm(this);
    m_popup = popup;
    popup->setHighlight(this);
    popup->setBorderStyle(TForm::Style::SizeableToolWindow);
    popup->setStayOnTop(true);
    m_pinned = false;

    TRadioPanel *panel = m_radioPanel;
    int pl = 0;
    int pt = 0;
    int mh = 58;
    if (panel) {
        mh = panel->memoHeight();
        popup->setOnActivate(panel->onActivate());
        popup->setOnDeactivate(panel->onDeactivate());
        pl = panel->left();
        pt = panel->top();
        popup->setClientSize(panel->width(), panel->height() + mh + 51);
        // Qt hides a widget that changes parent, so it is shown once it sits in the popup.
        panel->setParent(popup);
        panel->move(0, 0);
        panel->setVisible(true);
        TAnchorHelper::setAnchors(panel, panel->finalAnchors());
        panel->setAdopted(true);
    } else {
        popup->setOuterSize(194, 141);
    }
    popup->setWindowTitle(m_popupCaption);
    // The floor is on the framed window. Before the window system has framed it (and on
    // platforms without frames) the caption is not in the outer size yet, so it is allowed
    // for: otherwise a thin panel's popup would get a taller client area than its layout.
    const int captionAllowance = popup->frameMargins() == QMargins()
                                     ? popup->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, popup)
                                     : 0;
    const int outerHeight = popup->outerHeight() + captionAllowance;
    popup->setOuterSize(qMax(194, popup->outerWidth()), popup->outerHeight() + qMax(0, 122 - outerHeight));
    popup->setMinimumOuterSize(popup->outerWidth(), popup->outerHeight());
    popup->setTag(tag);

    QWidget *parent = parentWidget();
    int dx = 0;
    int dy = 0;
    if (TBoardImage *board = boardImage()) {
        dx = board->homeLeft() - pl;
        dy = board->homeTop() - pt;
    }
    if (!panel) {
        dx = 0;
        dy = parent ? -(parent->height() + 38) : -38;
    }
    int left = (parent ? parent->x() : 0) - dx;
    int top = (parent ? parent->y() : 0) - dy;

    QPointer<TBoardHighlight> self(this);
    popup->setOnClose([self] {
        if (self)
            self->popupClosed();
    });

    const int cw = popup->width();
    const int ch = popup->height();

    auto *status = new QStatusBar(popup);
    popup->setPopupStatus(status);
    popup->setComponentName(status, QStringLiteral("PopupStatus"));
    status->setGeometry(0, ch - 19, cw, 19);
    auto *statusPanel = new QLabel(status);
    statusPanel->setFrameShape(QFrame::NoFrame);
    status->addWidget(statusPanel, 1);
    TAnchorHelper::setAnchors(status, akLeft | akRight | akBottom);

    auto makeButton = [&](const QString &caption, const QString &name, void (TBoardHighlight::*handler)(QObject *),
                          int x, TAnchors anchors) {
        auto *button = new QPushButton(caption, popup);
        popup->setComponentName(button, name);
        QObject::connect(button, &QPushButton::clicked, popup, [self, button, handler] {
            if (self)
                TApplication::guarded([&] { (self.data()->*handler)(button); });
        });
        button->setGeometry(x, ch - 44, 58, 25);
        TAnchorHelper::setAnchors(button, anchors);
        return button;
    };
    makeButton(QStringLiteral("Previous"), QStringLiteral("PreviousButton"), &TBoardHighlight::previousClick, 6,
               akLeft | akBottom);
    makeButton(QStringLiteral("Next"), QStringLiteral("NextButton"), &TBoardHighlight::nextClick, (cw - 58) / 2,
               TAnchors(akBottom));
    QPushButton *done = makeButton(QStringLiteral("Done"), QStringLiteral("DoneButton"), &TBoardHighlight::doneClick,
                                   cw - 64, akRight | akBottom);

    auto *memo = new QPlainTextEdit(popup);
    popup->setComponentName(memo, QStringLiteral("StatusMemo"));
    memo->setAccessibleName(m_popupCaption.isEmpty() ? QStringLiteral("Explanation") : m_popupCaption + QStringLiteral(": explanation"));
    memo->setGeometry(6, done->y() - 6 - mh, cw - 12, mh);
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setPlainText(QString());
    TAnchorHelper::setAnchors(memo, akLeft | akTop | akRight | akBottom);
    if (panel) {
        memo->setPlainText(panel->lines().join(QLatin1Char('\n')));
        panel->setLinkedMemo(memo);
    }

    // Kept on the screen; a window larger than the screen keeps its first correction.
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
    if (left < 0)
        left = 0;
    else if (left + popup->outerWidth() > screen.width())
        left = screen.width() - popup->outerWidth();
    if (top < 0)
        top = 0;
    else if (top + popup->outerHeight() > screen.height())
        top = screen.height() - popup->outerHeight();
    popup->setOuterPos(left, top);

    popup->showAndRaise();
    if (panel)
        panel->setFocus();
    else
        done->setFocus();
}

// ---- menus

TMenuItem *TBoardHighlight::makeMenuItem(const QString &caption, const QString &stem)
{
    QObject *ownerObject = m_boardMenu ? m_boardMenu->parent() : nullptr;
    auto *owner = dynamic_cast<TComponentOwner *>(ownerObject);
    auto *item = new TMenuItem(ownerObject, caption);
    if (owner)
        owner->setComponentName(item, owner->uniqueName(stem));
    else
        item->setObjectName(stem + QLatin1Char('1'));
    return item;
}

void TBoardHighlight::buildMenuEntries()
{
    if (!m_boardMenu)
        return;
    const QString kind = kindCaption(m_highlightType);
    TMenuItem *kindItem = nullptr;
    for (int i = 0; i < m_boardMenu->count() && !kindItem; ++i)
        if (m_boardMenu->item(i)->caption() == kind)
            kindItem = m_boardMenu->item(i);

    auto makeEntry = [this] {
        TMenuItem *entry = makeMenuItem(m_title, m_titleIdent);
        QPointer<TBoardHighlight> self(this);
        entry->setOnClick([self](QObject *sender) {
            if (self)
                self->menuEntryClick(sender);
        });
        return entry;
    };

    if (kindItem) {
        for (int i = 0; i < kindItem->count(); ++i)
            if (kindItem->item(i)->caption() == m_title)
                return;
        if (!m_title.isEmpty())
            kindItem->add(makeEntry());
        return;
    }
    const QStringList before = kindNames(m_highlightType);
    int index = m_boardMenu->count();
    for (int i = 0; i < m_boardMenu->count(); ++i)
        if (before.contains(m_boardMenu->item(i)->caption())) {
            index = i;
            break;
        }
    kindItem = makeMenuItem(kind, kindStem(m_highlightType));
    m_boardMenu->insert(index, kindItem);
    if (!m_title.isEmpty())
        kindItem->add(makeEntry());
}

TMenuItem *TBoardHighlight::findMenuEntry(TMenuItem **kindItem, int *index) const
{
    if (!m_boardMenu)
        return nullptr;
    const QString kind = kindCaption(m_highlightType);
    for (int i = 0; i < m_boardMenu->count(); ++i) {
        TMenuItem *top = m_boardMenu->item(i);
        if (top->caption() != kind)
            continue;
        for (int j = 0; j < top->count(); ++j)
            if (top->item(j)->caption() == m_title) {
                if (kindItem)
                    *kindItem = top;
                if (index)
                    *index = j;
                return top->item(j);
            }
    }
    return nullptr;
}

void TBoardHighlight::setMenuCheck(bool checked)
{
    if (TMenuItem *entry = findMenuEntry())
        entry->setChecked(checked);
}

void TBoardHighlight::menuEntryClick(QObject *sender)
{
    auto *item = hasClassName(sender, "TMenuItem") ? static_cast<TMenuItem *>(sender) : nullptr;
    if (item && item->checked()) {
        if (m_popup) {
            closePopup();
            return;
        }
        for (const QPointer<TBoardHighlight> &twin : twins())
            if (twin && twin->m_popup)
                twin->menuEntryClick(sender);
        return;
    }
    QPointer<TBoardHighlight> self(this);
    mouseEnter(0);
    if (self)
        pinPopup();
    if (self)
        mouseLeave(0);
}

void TBoardHighlight::walk(int direction)
{
    if (!m_boardMenu)
        return;
    TMenuItem *kindItem = nullptr;
    int j = -1;
    if (!findMenuEntry(&kindItem, &j))
        return;
    closePopup();
    const int n = kindItem->count();
    const int target = (j + direction + n) % n;
    // Items that were not made by a mark have no callback and lead nowhere.
    if (TMenuItem *next = kindItem->item(target); next && next->onClick()) {
        TNotifyEvent handler = next->onClick();
        handler(this);
    }
}

void TBoardHighlight::previousClick(QObject *)
{
    walk(-1);
}

void TBoardHighlight::nextClick(QObject *)
{
    walk(1);
}

void TBoardHighlight::doneClick(QObject *)
{
    closePopup();
}
