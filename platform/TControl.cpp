#include "TControl.h"

#include "TComponent.h"

#include <QMouseEvent>

TControl::TControl(QWidget *parent) : QWidget(parent) {}

void TControl::setLeft(int left)
{
    setBounds(left, y(), width(), height());
}

void TControl::setTop(int top)
{
    setBounds(x(), top, width(), height());
}

void TControl::setWidth(int width)
{
    setBounds(x(), y(), width, height());
}

void TControl::setHeight(int height)
{
    setBounds(x(), y(), width(), height);
}

void TControl::setBounds(int left, int top, int width, int height)
{
    if (AutoSizeActive() && !IsLoading(this))
        CanAutoSize(width, height);
    const QRect bounds(left, top, qMax(0, width), qMax(0, height));
    if (bounds != geometry())
        SetControlBounds(this, bounds);
}

void TControl::Click()
{
    if (m_onClick)
        m_onClick(this);
}

void TControl::mousePressEvent(QMouseEvent *event)
{
    // Accept the press so the release comes back here rather than to the parent.
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    event->accept();
}

void TControl::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    event->accept();
    if (click)
        Click();
}

void TControl::Loaded()
{
    if (AutoSizeActive())
        setBounds(x(), y(), width(), height());
}
