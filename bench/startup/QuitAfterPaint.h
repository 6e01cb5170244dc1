#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

// Ends the application once the watched widget has painted for the first time.
class QuitAfterPaint : public QObject
{
public:
    explicit QuitAfterPaint(QObject *watched) { watched->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool m_done = false;
};
