#include "TBoardImage.h"

#include "Rounding.h"
#include "TComponent.h"

#include <QPainter>
#include <cmath>

QEvent::Type StartTourEventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::User + WM_STARTTOUR);
    return type;
}

TBoardImage::TBoardImage(QWidget *parent) : TControl(parent)
{
    // The picture starts empty, so AutoSize has nothing to size to yet.
    m_autoSize = false;
    setBounds(x(), y(), 105, 105);
    m_autoSize = true;
    watchParent();
}

void TBoardImage::setScale(bool value)
{
    if (m_scale == value)
        return;
    m_scale = value;
    PictureChanged();
}

void TBoardImage::setAutoSize(bool value)
{
    if (m_autoSize == value)
        return;
    m_autoSize = value;
    if (value)
        setBounds(x(), y(), width(), height());
}

void TBoardImage::setCenter(bool value)
{
    if (m_center == value)
        return;
    m_center = value;
    PictureChanged();
}

void TBoardImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    PictureChanged();
}

void TBoardImage::setStretch(bool value)
{
    if (m_stretch == value)
        return;
    m_stretch = value;
    PictureChanged();
}

void TBoardImage::setTransparent(bool value)
{
    if (m_transparent == value)
        return;
    m_transparent = value;
    PictureChanged();
}

bool TBoardImage::CanAutoSize(int &newWidth, int &newHeight)
{
    const bool empty = m_picture.width() <= 0 || m_picture.height() <= 0;
    if (IsDesigning(this) && empty)
        return true;
    const TAlign a = align();
    if (a == alNone || a == alLeft || a == alRight)
        newWidth = m_picture.width();
    if (a == alNone || a == alTop || a == alBottom)
        newHeight = m_picture.height();
    return true;
}

void TBoardImage::PictureChanged()
{
    const int pw = m_picture.width();
    const int ph = m_picture.height();
    if (pw > 0 && ph > 0) {
        const double aspect = double(ph) / double(pw);
        m_aspect = std::isfinite(aspect) ? aspect : 1.0;
        if (m_autoSize)
            setBounds(x(), y(), pw, ph);
    }
    // Opaque when the picture covers the whole control with opaque pixels. This
    // is kept as information only: telling Qt would let it move the control by
    // copying its old pixels, and the board moves whenever it centres itself.
    if (!m_picture.isNull()) {
        const bool graphicTransparent = m_transparent && m_picture.hasAlphaChannel();
        m_opaque = !graphicTransparent && (m_stretch || (pw >= width() && ph >= height()));
    } else {
        m_opaque = false;
    }
    if (!m_drawing)
        update();
}

QRect TBoardImage::destRect() const
{
    if (m_stretch)
        return rect();
    const int pw = m_picture.width();
    const int ph = m_picture.height();
    if (m_center)
        return QRect((width() - pw) / 2, (height() - ph) / 2, pw, ph);
    return QRect(0, 0, pw, ph);
}

void TBoardImage::centreInParent()
{
    if (!m_centerOnForm || IsDesigning(this) || !parentWidget())
        return;
    // The parent's outer size (a window's frame included), halved toward zero.
    const QSize outer = ParentOuterSize(this);
    setBounds((outer.width() - width()) / 2, (outer.height() - height()) / 2, width(), height());
}

void TBoardImage::paintEvent(QPaintEvent *)
{
    if (!m_firstPaintDone) {
        m_designLeft = x();
        m_designTop = y();
        m_firstPaintDone = true;
    }
    const QRect before = geometry();
    centreInParent();
    if (geometry() != before && parentWidget()) {
        // Moved while painting: this paint is clipped to the old place, so paint
        // the old and the new place again once this paint is over.
        QPointer<QWidget> parent = parentWidget();
        const QRect both = before.united(geometry());
        QMetaObject::invokeMethod(
            this,
            [parent, both] {
                if (parent)
                    parent->update(both);
            },
            Qt::QueuedConnection);
    }

    QPainter painter(this);
    if (IsDesigning(this)) {
        if (m_scale)
            setBounds(x(), y(), width(), Round(width() * m_aspect));
        painter.save();
        painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.restore();
    }

    const bool wasDrawing = m_drawing;
    m_drawing = true;
    if (!m_picture.isNull())
        painter.drawImage(destRect(), m_picture);
    m_drawing = wasDrawing;
}

bool TBoardImage::event(QEvent *event)
{
    if (event->type() == StartTourEventType()) {
        StartTour();
        return true;
    }
    if (event->type() == QEvent::ParentChange)
        watchParent();
    return TControl::event(event);
}

void TBoardImage::watchParent()
{
    if (m_watchedParent)
        m_watchedParent->removeEventFilter(this);
    m_watchedParent = parentWidget();
    if (m_watchedParent)
        m_watchedParent->installEventFilter(this);
}

bool TBoardImage::eventFilter(QObject *watched, QEvent *event)
{
    // Stay centred when the window is resized, not only when the picture repaints.
    if (watched == m_watchedParent && event->type() == QEvent::Resize && m_firstPaintDone)
        centreInParent();
    return TControl::eventFilter(watched, event);
}

void TBoardImage::StartTour()
{
    // As if the pointer entered the First highlight, clicked it and left: its
    // pop-up opens pinned and focused, its menu entry checked.
    if (!m_first)
        return;
    QPointer<TBoardHighlight> first = m_first;
    first->MouseEnter(false);
    if (first)
        first->Click();
    if (first)
        first->MouseLeave(false);
}
