#pragma once

#include "TNotifyEvent.h"

#include <QAction>
#include <QList>
#include <QPointer>

class QMenu;
class QMenuBar;

// One item of a menu tree. An item with entries shows them in a drop-down menu.
// Choosing an item runs Click (OnClick with the item as sender); the check mark
// is only ever set through Checked, never toggled by the choice itself.
class TMenuItem : public QAction
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setCaption)
    Q_PROPERTY(bool Checked READ checked WRITE setCheckedMark)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)
    Q_PROPERTY(TNotifyEvent OnClick READ onClick WRITE setOnClick)

public:
    explicit TMenuItem(QObject *owner = nullptr);
    ~TMenuItem() override;

    void setCaption(const QString &caption);
    bool checked() const { return m_checked; }
    void setCheckedMark(bool checked);
    TNotifyEvent onClick() const { return m_onClick; }
    void setOnClick(const TNotifyEvent &handler) { m_onClick = handler; }

    int Count() const { return int(m_items.size()); }
    TMenuItem *Items(int index) const { return m_items.value(index); }
    int IndexOf(const TMenuItem *item) const;
    void Add(TMenuItem *item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem *item);
    void Remove(TMenuItem *item);
    TMenuItem *parentItem() const { return m_parentItem; }

    virtual void Click();

private:
    void attachMenu();

    QList<TMenuItem *> m_items;
    QPointer<TMenuItem> m_parentItem;
    QMenu *m_menu = nullptr;
    TNotifyEvent m_onClick;
    bool m_checked = false;
};

// A window's menu bar: its top-level items, in order.
class TMainMenu : public QObject
{
    Q_OBJECT

public:
    explicit TMainMenu(QObject *owner = nullptr);
    ~TMainMenu() override;

    int Count() const { return int(m_items.size()); }
    TMenuItem *Items(int index) const { return m_items.value(index); }
    int IndexOf(const TMenuItem *item) const { return int(m_items.indexOf(item)); }
    void Add(TMenuItem *item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem *item);
    void Remove(TMenuItem *item);

    // The bar that shows the items; a form takes it over when this is its Menu.
    QMenuBar *menuBar();

private:
    QList<TMenuItem *> m_items;
    QPointer<QMenuBar> m_bar;
};
