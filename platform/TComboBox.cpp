#include "TComboBox.h"

TComboBox::TComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(true);
    setBounds(x(), y(), 145, 21);
    // activated comes from the user's choice only, never from code.
    connect(this, &QComboBox::activated, this, [this] {
        if (m_onChange)
            m_onChange(this);
    });
}

void TComboBox::setBounds(int left, int top, int width, int height)
{
    const QRect bounds(left, top, qMax(0, width), qMax(0, height));
    if (bounds != geometry())
        SetControlBounds(this, bounds);
}

void TComboBox::setComboStyle(TComboBoxStyle style)
{
    if (m_style == style)
        return;
    m_style = style;
    // csDropDown and csSimple take free text; the other styles only pick from the list.
    const int index = currentIndex();
    setEditable(style == csDropDown || style == csSimple);
    setCurrentIndex(index);
}

void TComboBox::setItemHeight(int height)
{
    m_itemHeight = height;
}

QStringList TComboBox::items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void TComboBox::setItems(const QStringList &items)
{
    clear();
    addItems(items);
    // Adding to an empty list selects its first entry; a fresh list selects nothing.
    setCurrentIndex(-1);
}

void TComboBox::setItemIndex(int index)
{
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}
