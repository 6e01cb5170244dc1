#include "TBoardHighlight.h"

#include "ClassName.h"
#include "RenderRing.h"
#include "TBoardImage.h"
#include "TComponent.h"
#include "TMenu.h"

#include <QPainter>
#include <algorithm>

namespace {

struct TypeLook
{
    TColor ringColor;
    float idle;
    float flare;
    float lit;
};

TypeLook lookOf(THighlightType type)
{
    switch (type) {
    case htOptions:
        return {clBlue, 0.25f, 1.0f, 0.5f};
    case htSettings:
        return {clYellow, 0.5f, 1.0f, 0.75f};
    case htCalibration:
        return {clRed, 0.5f, 1.0f, 0.75f};
    }
    return {clYellow, 0.5f, 1.0f, 0.75f};
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isIdentChar(QChar c)
{
    return isAsciiLetter(c) || (c >= u'0' && c <= u'9') || c == u'_';
}

// The colour of each pixel with the fourth byte set to 0xFF. Painters treat
// Format_RGB32 data as already opaque and may copy the fourth byte through, so
// it has to be set rather than merely reinterpreted.
QImage opaqueColour(const QImage &image)
{
    QImage shown(image.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto *from = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        auto *to = reinterpret_cast<quint32 *>(shown.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            to[x] = from[x] | 0xFF000000u;
    }
    return shown;
}

// What shows beneath a control where nothing paints: the nearest ancestor
// that fills its background.
QColor backgroundBeneath(const QWidget *widget)
{
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return Qt::white;
}

} // namespace

TBoardHighlight::TBoardHighlight(QWidget *parent) : TControl(parent)
{
    setBounds(x(), y(), 65, 65);
    // The stored type starts as htOptions, so this write always applies the
    // htSettings look.
    setHighlightType(htSettings);
}

void TBoardHighlight::setHighlightType(THighlightType type)
{
    if (m_highlightType == type)
        return;
    m_highlightType = type;
    const TypeLook look = lookOf(type);
    m_ringColor = look.ringColor;
    m_idleStrength = look.idle;
    m_flareStrength = look.flare;
    m_litStrength = look.lit;
    update();
}

void TBoardHighlight::setRadioPanel(TRadioPanel *panel)
{
    m_radioPanel = panel;
}

void TBoardHighlight::setTitle(const QString &title)
{
    if (m_title == title)
        return;
    m_title = title;
    m_popupCaption = QString(title).remove(QLatin1Char('&'));
    m_menuIdent = MenuIdentOf(title);
}

QString TBoardHighlight::MenuIdentOf(const QString &title)
{
    if (title.isEmpty())
        return title;
    if ((isAsciiLetter(title.front()) || title.front() == u'_') &&
        std::all_of(title.begin(), title.end(), isIdentChar))
        return title;
    qsizetype start = 0;
    while (start < title.size() && !isAsciiLetter(title.at(start)) && title.at(start) != u'_')
        ++start;
    // The first character left is a letter or "_"; keep what may follow it.
    QString ident;
    ident.reserve(title.size() - start);
    for (qsizetype i = start; i < title.size(); ++i) {
        if (isIdentChar(title.at(i)))
            ident.append(title.at(i));
    }
    return ident;
}

void TBoardHighlight::setHot(bool hot)
{
    if (m_hot == hot)
        return;
    m_hot = hot;
    update();
}

void TBoardHighlight::setPopupActiveFlag(bool active)
{
    if (m_popupActive == active)
        return;
    m_popupActive = active;
    update();
}

const QImage &TBoardHighlight::currentImage() const
{
    if (m_popupActive && m_hot)
        return m_flareImage;
    if (m_popupActive || m_hot)
        return m_litImage;
    return m_idleImage;
}

QImage TBoardHighlight::PixelsBeneath() const
{
    QImage pixels(size(), QImage::Format_ARGB32);
    if (pixels.isNull())
        return pixels;
    QWidget *parent = parentWidget();
    pixels.fill(backgroundBeneath(parent));
    if (!parent)
        return pixels;
    if (auto *board = qobject_cast<TBoardImage *>(parent)) {
        // The board's own drawing of its picture, limited to this control's
        // rectangle: exactly the pixels it put on screen here.
        QPainter painter(&pixels);
        painter.translate(-pos());
        painter.setClipRect(geometry());
        if (!board->picture().isNull())
            painter.drawImage(board->destRect(), board->picture());
    } else {
        // Only the parent itself: its other children are not beneath us, and
        // we must not draw ourselves.
        parent->render(&pixels, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    }
    return pixels;
}

void TBoardHighlight::RebuildRingBitmaps()
{
    const QImage beneath = PixelsBeneath();
    const RingShape shape(width() - 1, height() - 1, beneath.size());
    struct
    {
        QImage *image;
        float strength;
        bool flare;
    } const looks[] = {
        {&m_idleImage, m_idleStrength, false},
        {&m_flareImage, m_flareStrength, true},
        {&m_litImage, m_litStrength, false},
    };
    for (const auto &look : looks) {
        *look.image = beneath.copy();
        RenderRing(*look.image, shape, look.flare, m_ringColor, look.strength);
    }
    m_idleShown = opaqueColour(m_idleImage);
    m_flareShown = opaqueColour(m_flareImage);
    m_litShown = opaqueColour(m_litImage);
}

const QImage &TBoardHighlight::currentShown() const
{
    const QImage &image = currentImage();
    return &image == &m_flareImage ? m_flareShown
           : &image == &m_litImage ? m_litShown
                                   : m_idleShown;
}

void TBoardHighlight::paintEvent(QPaintEvent *)
{
    if (IsDesigning(this)) {
        RebuildRingBitmaps();
    } else if (!m_ringsBuilt) {
        RebuildRingBitmaps();
        if (IsClass(parentWidget(), "TBoardImage")) {
            m_menu = static_cast<TBoardImage *>(parentWidget())->menu();
            RegisterInMenu();
        } else {
            m_menu = nullptr;
        }
        m_ringsBuilt = true;
    }

    // A plain colour copy: the fourth byte (0 on a flare crest) must not make
    // the pixel transparent or blend it with what is beneath.
    const QImage &shown = currentShown();
    if (shown.isNull())
        return;
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, shown);
}
