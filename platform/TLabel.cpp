#include "TLabel.h"

#include "TComponent.h"

#include <QEvent>

TLabel::TLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBounds(x(), y(), 65, 17);
    adjustBounds();
}

void TLabel::setBounds(int left, int top, int width, int height)
{
    const QRect bounds(left, top, qMax(0, width), qMax(0, height));
    if (bounds != geometry())
        SetControlBounds(this, bounds);
}

void TLabel::setAutoSize(bool value)
{
    if (m_autoSize == value)
        return;
    m_autoSize = value;
    adjustBounds();
}

void TLabel::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    adjustBounds();
}

void TLabel::setTransparent(bool value)
{
    // The label never fills its box, so it always shows its parent's background:
    // the look of an opaque label in its parent's colour as well.
    m_transparent = value;
}

QSize TLabel::textSize() const
{
    const QFontMetrics metrics = fontMetrics();
    const QString t = text().isEmpty() ? QStringLiteral(" ") : text();
    QSize size = metrics.size(0, t);
    if (text().isEmpty())
        size.setWidth(0);
    return size;
}

void TLabel::adjustBounds()
{
    // While a design loads the font and text may still change; Loaded sizes once.
    if (!m_autoSize || IsLoading(this))
        return;
    const QSize size = textSize();
    setBounds(x(), y(), size.width(), size.height());
}

void TLabel::Loaded()
{
    adjustBounds();
}

void TLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        adjustBounds();
}
