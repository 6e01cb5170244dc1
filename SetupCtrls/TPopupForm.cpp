#include "TPopupForm.h"

#include "Screen.h"
#include "TBoardHighlight.h"

#include <QStatusBar>

// A window of its own from the start, although its owner is a highlight.
TPopupForm::TPopupForm(QWidget *parent) : TForm(parent, Qt::Tool) {}

void TPopupForm::Activated(bool active)
{
    if (m_highlight)
        m_highlight->SetPopupActive(active, true);
    TForm::Activated(active);
}

void TPopupForm::leaveEvent(QEvent *event)
{
    // Qt reports a leave also when the pointer moves onto some window edges or
    // into another top-level window over this one; only a pointer really
    // outside the window's rectangle closes it.
    const QPoint p = CursorPos() - QPoint(formLeft(), formTop());
    const bool outside = !QRect(0, 0, outerWidth(), outerHeight()).contains(p);
    if (outside && m_closeOnLeave) {
        close();
        return;
    }
    TForm::leaveEvent(event);
}
