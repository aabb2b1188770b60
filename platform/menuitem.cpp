#include "platform/menuitem.h"

#include "platform/application.h"

#include <QMenu>
#include <QMenuBar>

TMenuItem::TMenuItem(QObject *owner, const QString &caption) : QAction(caption, owner)
{
    connect(this, &QAction::triggered, this, &TMenuItem::onTriggered);
}

TMenuItem::~TMenuItem()
{
    delete m_menu;
}

void TMenuItem::setChecked(bool checked)
{
    m_checked = checked;
    setCheckable(checked);
    QAction::setChecked(checked);
}

void TMenuItem::onTriggered()
{
    setChecked(m_checked);
    click();
}

void TMenuItem::click()
{
    if (m_onClick) {
        TNotifyEvent handler = m_onClick;
        TApplication::guarded([&] { handler(this); });
    }
}

int TMenuItem::indexOf(const TMenuItem *item) const
{
    return int(m_items.indexOf(const_cast<TMenuItem *>(item)));
}

QMenu *TMenuItem::submenu()
{
    if (!m_menu) {
        m_menu = new QMenu();
        m_menu->setTitle(text());
        connect(this, &QAction::changed, m_menu, [this] { m_menu->setTitle(text()); });
        setMenu(m_menu);
    }
    return m_menu;
}

void TMenuItem::insert(int index, TMenuItem *item)
{
    if (!item)
        return;
    index = qBound(0, index, count());
    QMenu *menu = submenu();
    QAction *before = index < count() ? m_items[index] : nullptr;
    menu->insertAction(before, item);
    m_items.insert(index, item);
    connect(item, &QObject::destroyed, this, &TMenuItem::forget);
}

void TMenuItem::forget(QObject *item)
{
    m_items.removeIf([item](TMenuItem *i) { return static_cast<QObject *>(i) == item; });
}

TMainMenu::TMainMenu(QMenuBar *bar, QObject *owner) : QObject(owner), m_bar(bar) {}

int TMainMenu::indexOf(const TMenuItem *item) const
{
    return int(m_items.indexOf(const_cast<TMenuItem *>(item)));
}

void TMainMenu::insert(int index, TMenuItem *item)
{
    if (!item)
        return;
    index = qBound(0, index, count());
    // A top-level item always opens a drop-down, even while it has no entries yet.
    item->submenu();
    if (m_bar) {
        QAction *before = index < count() ? m_items[index] : nullptr;
        m_bar->insertAction(before, item);
    }
    m_items.insert(index, item);
    connect(item, &QObject::destroyed, this, &TMainMenu::forget);
}

QStringList TMainMenu::captions() const
{
    QStringList out;
    for (TMenuItem *i : m_items)
        out << i->caption();
    return out;
}

void TMainMenu::forget(QObject *item)
{
    m_items.removeIf([item](TMenuItem *i) { return static_cast<QObject *>(i) == item; });
}
