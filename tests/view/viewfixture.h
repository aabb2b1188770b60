#pragma once
// A small page for the board-view tests: a main window that owns its components, a menu bar
// with "&File" and "&Help", and a board image with a uniform grey picture carrying a few
// marks and panels.
#include "components/boardhighlight.h"
#include "components/boardimage.h"
#include "components/popupform.h"
#include "components/radiopanel.h"
#include "platform/componentowner.h"
#include "platform/menuitem.h"
#include "platform/messages.h"
#include "platform/messageboxes.h"
#include "platform/application.h"

#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMenuBar>
#include <QTest>

namespace viewfixture {

inline QImage uniform(int w, int h, QColor c = QColor(100, 100, 100))
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

// Somewhere no window of a fixture reaches (the page covers (0, 0) to (800, 600) and the
// tests lay their panels out to the right of it), so that no stray enter or leave arrives.
inline QPoint parkingPlace() { return QPoint(1275, 1019); }

inline void parkPointer()
{
    QCursor::setPos(parkingPlace());
    QApplication::processEvents();
}

class Page : public QMainWindow, public TComponentOwner {
public:
    QWidget *client = nullptr;
    TMainMenu *menu = nullptr;
    TBoardImage *board = nullptr;

    explicit Page(const QStringList &topItems = {QStringLiteral("&File"), QStringLiteral("&Help")},
                  QSize pictureSize = QSize(400, 300))
    {
        setObjectName(QStringLiteral("FixtureForm"));
        client = new QWidget(this);
        setCentralWidget(client);
        menu = new TMainMenu(menuBar(), this);
        setComponentName(menu, QStringLiteral("MainMenu1"));
        for (const QString &caption : topItems) {
            auto *item = new TMenuItem(this, caption);
            setComponentName(item, uniqueName(TBoardHighlight::stripAmpersands(caption)));
            menu->add(item);
        }
        board = new TBoardImage(client);
        setComponentName(board, QStringLiteral("BoardImage1"));
        board->setPictureImage(uniform(pictureSize.width(), pictureSize.height()));
        board->setBounds(126, 26, pictureSize.width(), pictureSize.height());
        board->setStretch(true);
        board->setMenu(menu);
        board->setCenterOnForm(false);
        move(0, 0);
        resize(800, 600);
    }

    TBoardHighlight *mark(const QString &title, THighlightType type, QRect bounds, TRadioPanel *panel = nullptr)
    {
        auto *m = new TBoardHighlight(board);
        setComponentName(m, uniqueName(QStringLiteral("BoardHighlight")));
        m->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        m->setHighlightType(type);
        m->setTitle(title);
        if (panel)
            m->setRadioPanel(panel);
        return m;
    }

    TRadioPanel *panel(QRect bounds, const QStringList &lines = {}, int memoHeight = 58)
    {
        auto *p = new TRadioPanel(client);
        setComponentName(p, uniqueName(QStringLiteral("RadioPanel")));
        p->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        p->setLines(lines);
        p->setMemoHeight(memoHeight);
        return p;
    }

    // Shows the page and lets every mark have its first paint.
    bool showPainted()
    {
        show();
        if (!QTest::qWaitForWindowExposed(this))
            return false;
        board->repaint();
        QApplication::processEvents();
        return true;
    }
};

// Waits for the event queue to deliver what showing, hiding and activation queued.
inline void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(5);
    }
}

} // namespace viewfixture
