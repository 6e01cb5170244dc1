#include "TMenu.h"

#include <QMenu>
#include <QMenuBar>

TMenuItem::TMenuItem(QObject *owner) : QAction(owner)
{
    // Qt flips the check state of a checkable action when it is chosen; put it
    // back so only Checked decides, then run the item's click.
    connect(this, &QAction::triggered, this, [this] {
        if (isCheckable() && isChecked() != m_checked)
            QAction::setChecked(m_checked);
        Click();
    });
}

TMenuItem::~TMenuItem()
{
    if (m_parentItem)
        m_parentItem->m_items.removeOne(this);
    for (TMenuItem *item : std::as_const(m_items))
        item->m_parentItem = nullptr;
    delete m_menu;
}

void TMenuItem::setCaption(const QString &caption)
{
    setText(caption);
    if (m_menu)
        m_menu->setTitle(caption);
}

void TMenuItem::setCheckedMark(bool checked)
{
    m_checked = checked;
    if (checked)
        setCheckable(true);
    if (isCheckable())
        QAction::setChecked(checked);
}

int TMenuItem::IndexOf(const TMenuItem *item) const
{
    return int(m_items.indexOf(item));
}

void TMenuItem::attachMenu()
{
    if (m_menu)
        return;
    m_menu = new QMenu(text());
    setMenu(m_menu);
}

void TMenuItem::Insert(int index, TMenuItem *item)
{
    if (!item || item == this)
        return;
    if (item->m_parentItem)
        item->m_parentItem->Remove(item);
    index = qBound(0, index, Count());
    attachMenu();
    QAction *before = index < Count() ? m_items.at(index) : nullptr;
    m_menu->insertAction(before, item);
    m_items.insert(index, item);
    item->m_parentItem = this;
}

void TMenuItem::Remove(TMenuItem *item)
{
    if (m_items.removeOne(item)) {
        if (m_menu)
            m_menu->removeAction(item);
        item->m_parentItem = nullptr;
    }
}

void TMenuItem::Click()
{
    if (m_onClick)
        m_onClick(this);
}

TMainMenu::TMainMenu(QObject *owner) : QObject(owner) {}

TMainMenu::~TMainMenu()
{
    // A bar that no form took over is ours to delete.
    if (m_bar && !m_bar->parent())
        delete m_bar;
}

QMenuBar *TMainMenu::menuBar()
{
    if (!m_bar) {
        m_bar = new QMenuBar;
        // Native menu bars live outside the window; this program draws its own.
        m_bar->setNativeMenuBar(false);
        for (TMenuItem *item : std::as_const(m_items))
            m_bar->addAction(item);
    }
    return m_bar;
}

void TMainMenu::Insert(int index, TMenuItem *item)
{
    if (!item)
        return;
    index = qBound(0, index, Count());
    if (m_bar) {
        QAction *before = index < Count() ? m_items.at(index) : nullptr;
        m_bar->insertAction(before, item);
    }
    m_items.insert(index, item);
    connect(item, &QObject::destroyed, this,
            [this](QObject *o) { m_items.removeOne(static_cast<TMenuItem *>(o)); });
}

void TMainMenu::Remove(TMenuItem *item)
{
    if (m_items.removeOne(item) && m_bar)
        m_bar->removeAction(item);
}
