#pragma once
#include "platform/events.h"

#include <QAction>
#include <QList>
#include <QMenuBar>
#include <QPointer>

class QMenu;
class QMenuBar;

// A menu item: a caption with an accelerator ampersand, a check mark, a click callback and
// nested items. The class name matters: handlers test for a sender of class "TMenuItem".
class TMenuItem : public QAction {
    Q_OBJECT
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(bool Checked READ checked WRITE setChecked)
public:
    explicit TMenuItem(QObject *owner = nullptr, const QString &caption = QString());
    ~TMenuItem() override;

    QString caption() const { return text(); }
    void setCaption(const QString &caption) { setText(caption); }

    // Our own check state: Qt would toggle a checkable action before the handler runs.
    bool checked() const { return m_checked; }
    void setChecked(bool checked);

    void setOnClick(TNotifyEvent handler) { m_onClick = std::move(handler); }
    const TNotifyEvent &onClick() const { return m_onClick; }
    // As if the user chose the item.
    void click();

    int count() const { return int(m_items.size()); }
    TMenuItem *item(int index) const { return m_items.value(index); }
    int indexOf(const TMenuItem *item) const;
    void add(TMenuItem *item) { insert(count(), item); }
    void insert(int index, TMenuItem *item);
    QMenu *submenu();

private:
    void onTriggered();
    void forget(QObject *item);

    QList<TMenuItem *> m_items;
    QMenu *m_menu = nullptr;
    TNotifyEvent m_onClick;
    bool m_checked = false;
};

// The main menu: top-level items shown in a window's menu bar, in their order.
class TMainMenu : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ objectName WRITE setObjectName)
public:
    explicit TMainMenu(QMenuBar *bar, QObject *owner = nullptr);

    int count() const { return int(m_items.size()); }
    TMenuItem *item(int index) const { return m_items.value(index); }
    int indexOf(const TMenuItem *item) const;
    void add(TMenuItem *item) { insert(count(), item); }
    void insert(int index, TMenuItem *item);
    QMenuBar *menuBar() const { return m_bar; }
    QStringList captions() const;

private:
    void forget(QObject *item);
    QPointer<QMenuBar> m_bar;
    QList<TMenuItem *> m_items;
};
