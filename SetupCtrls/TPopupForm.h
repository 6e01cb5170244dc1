#pragma once

#include "TForm.h"

#include <QPointer>
#include <QStatusBar>

class TBoardHighlight;

// The pop-up window of one linked set of highlights: the option group at the
// top, its explanatory text, Previous/Next/Done and a status bar. It is hidden,
// never destroyed, when closed, and shown again on the next visit.
class TPopupForm : public TForm
{
    Q_OBJECT
    Q_PROPERTY(QStatusBar *PopupStatus READ popupStatus)

public:
    explicit TPopupForm(QWidget *parent = nullptr);

    QStatusBar *popupStatus() const { return m_popupStatus; }
    void setPopupStatus(QStatusBar *status) { m_popupStatus = status; }
    TBoardHighlight *highlight() const { return m_highlight; }
    void setHighlight(TBoardHighlight *highlight) { m_highlight = highlight; }
    // Close as soon as the pointer leaves the window (set when the pointer
    // moved from the highlight straight into the window).
    bool closeOnLeave() const { return m_closeOnLeave; }
    void setCloseOnLeave(bool value) { m_closeOnLeave = value; }

protected:
    // Lights the linked set while the window is active, then the panel's handlers.
    void Activated(bool active) override;
    void leaveEvent(QEvent *event) override;

private:
    QPointer<QStatusBar> m_popupStatus;
    TBoardHighlight *m_highlight = nullptr; // the owner, which outlives the window
    bool m_closeOnLeave = false;
};
