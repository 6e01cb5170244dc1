#include "TTwoJumper.h"

#include "ClassName.h"
#include "TRadioPanel.h"

TTwoJumper::TTwoJumper(QWidget *parent) : TJumper(parent)
{
    setBounds(x(), y(), 34, 18);
}

void TTwoJumper::setClosed(bool closed)
{
    if (m_closed == closed)
        return;
    m_closed = closed;
    update();
}

void TTwoJumper::Click()
{
    m_closed = !m_closed;
    update();
    if (IsClass(parent(), "TRadioPanel")) {
        auto *panel = static_cast<TRadioPanel *>(parent());
        if (panel->radioEnabled())
            panel->SelectJumper(this);
    }
    TJumper::Click();
}

void TTwoJumper::fillLook(TJumperLook &look) const
{
    look.pins = 2;
    look.closed = m_closed;
}
