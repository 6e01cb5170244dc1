#include "TThreeJumper.h"

TThreeJumper::TThreeJumper(QWidget *parent) : TJumper(parent)
{
    setBounds(x(), y(), 43, 18);
}

void TThreeJumper::setJumperState(TJumperState state)
{
    if (m_state == state || (state == jsOpen && !m_allowOpen))
        return;
    m_state = state;
    update();
}

void TThreeJumper::setAllowOpen(bool allow)
{
    if (m_allowOpen == allow)
        return;
    m_allowOpen = allow;
    if (!allow && m_state == jsOpen)
        m_state = jsLeft;
    update();
}

void TThreeJumper::Click()
{
    switch (m_state) {
    case jsOpen:
        setJumperState(jsLeft);
        break;
    case jsLeft:
        setJumperState(jsRight);
        break;
    case jsRight:
        setJumperState(m_allowOpen ? jsOpen : jsLeft);
        break;
    }
    TJumper::Click();
}

void TThreeJumper::fillLook(TJumperLook &look) const
{
    look.pins = 3;
    look.state = m_state;
}
