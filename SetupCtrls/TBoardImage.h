#pragma once

#include "TBoardHighlight.h"
#include "TControl.h"
#include "TMenu.h"

#include <QEvent>
#include <QImage>
#include <QPointer>

// The start-tour message the board picture answers: its First highlight acts as
// if the pointer entered, clicked and left it.
constexpr int WM_STARTTOUR = 0x400 + 162;
QEvent::Type StartTourEventType();

// The board photograph and the container of its highlights. At run time it keeps
// itself centred in its window and remembers where it stood when first painted.
class TBoardImage : public TControl
{
    Q_OBJECT
    Q_PROPERTY(TBoardHighlight *First READ first WRITE setFirst)
    Q_PROPERTY(TMainMenu *Menu READ menu WRITE setMenu)
    Q_PROPERTY(bool CenterOnForm READ centerOnForm WRITE setCenterOnForm)
    Q_PROPERTY(bool Scale READ scale WRITE setScale)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(bool Center READ center WRITE setCenter)
    Q_PROPERTY(QImage Picture READ picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ stretch WRITE setStretch)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)

public:
    explicit TBoardImage(QWidget *parent = nullptr);

    TBoardHighlight *first() const { return m_first; }
    void setFirst(TBoardHighlight *first) { m_first = first; }
    TMainMenu *menu() const { return m_menu; }
    void setMenu(TMainMenu *menu) { m_menu = menu; }
    bool centerOnForm() const { return m_centerOnForm; }
    void setCenterOnForm(bool value) { m_centerOnForm = value; }
    bool scale() const { return m_scale; }
    void setScale(bool value);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool value);
    bool center() const { return m_center; }
    void setCenter(bool value);
    QImage picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    bool stretch() const { return m_stretch; }
    void setStretch(bool value);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool value);

    double aspect() const { return m_aspect; }
    int designLeft() const { return m_designLeft; }
    int designTop() const { return m_designTop; }
    bool firstPaintDone() const { return m_firstPaintDone; }
    // The picture hides everything beneath the control.
    bool isOpaque() const { return m_opaque; }

    // Where the picture is drawn inside the control.
    QRect destRect() const;

    bool AutoSizeActive() const override { return m_autoSize; }
    bool CanAutoSize(int &newWidth, int &newHeight) override;

    // What the start-tour message does; see WM_STARTTOUR.
    virtual void StartTour();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void PictureChanged();
    void centreInParent();
    void watchParent();

    QPointer<TBoardHighlight> m_first;
    QPointer<TMainMenu> m_menu;
    QImage m_picture;
    QPointer<QWidget> m_watchedParent;
    double m_aspect = 1.0;
    int m_designLeft = 0;
    int m_designTop = 0;
    bool m_centerOnForm = true;
    bool m_scale = true;
    bool m_autoSize = true;
    bool m_center = false;
    bool m_stretch = false;
    bool m_transparent = false;
    bool m_drawing = false;
    bool m_firstPaintDone = false;
    bool m_opaque = false;
};
