#include "TRadioPanel.h"

#include "ClassName.h"
#include "TComponent.h"
#include "TForm.h"
#include "TTwoJumper.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPlainTextEdit>

namespace {

// Turns the application's focus changes into the panels' enter and exit
// events. Like a form that remembers its focused control, every window keeps
// the widget that last had the focus in it, so leaving a window and coming back
// is no move at all, and moves inside a window are measured from that widget.
class PanelFocusWatcher : public QObject
{
public:
    static void ensure()
    {
        static PanelFocusWatcher *watcher = nullptr;
        if (watcher || !qApp)
            return;
        watcher = new PanelFocusWatcher(qApp);
        connect(qApp, &QApplication::focusChanged, watcher, &PanelFocusWatcher::focusChanged);
    }

private:
    explicit PanelFocusWatcher(QObject *parent) : QObject(parent) {}

    static QList<QPointer<TRadioPanel>> panelsAround(QWidget *widget)
    {
        QList<QPointer<TRadioPanel>> panels; // innermost first
        for (QWidget *w = widget; w; w = w->parentWidget()) {
            if (auto *panel = qobject_cast<TRadioPanel *>(w))
                panels.append(panel);
        }
        return panels;
    }

    void focusChanged(QWidget *old, QWidget *now)
    {
        if (!now)
            return;
        QWidget *window = now->window();
        auto it = m_lastFocus.find(window);
        if (it == m_lastFocus.end()) {
            connect(window, &QObject::destroyed, this,
                    [this](QObject *w) { m_lastFocus.remove(static_cast<QWidget *>(w)); });
            it = m_lastFocus.insert(window, old && old->window() == window ? old : nullptr);
        }
        QWidget *previous = it.value();
        it.value() = now;
        if (previous == now)
            return;

        const QList<QPointer<TRadioPanel>> left = panelsAround(previous);
        const QList<QPointer<TRadioPanel>> entered = panelsAround(now);
        for (const QPointer<TRadioPanel> &panel : left) {
            if (panel && !entered.contains(panel) && panel->onExit())
                panel->onExit()(panel);
        }
        for (auto p = entered.crbegin(); p != entered.crend(); ++p) {
            const QPointer<TRadioPanel> &panel = *p;
            if (panel && !left.contains(panel) && panel->onEnter())
                panel->onEnter()(panel);
        }
    }

    QHash<QWidget *, QPointer<QWidget>> m_lastFocus;
};

} // namespace

TRadioPanel::TRadioPanel(QWidget *parent) : TControl(parent)
{
    setBounds(x(), y(), 194, 100);
    setVisible(false);
    PanelFocusWatcher::ensure();
}

void TRadioPanel::setFinalAnchors(TAnchors anchors)
{
    m_finalAnchors = anchors;
    if (m_hosted)
        setAnchors(anchors);
}

void TRadioPanel::setHosted(bool hosted)
{
    m_hosted = hosted;
    if (hosted)
        setAnchors(m_finalAnchors);
}

void TRadioPanel::setBevelInner(TBevelCut cut)
{
    if (m_bevelInner == cut)
        return;
    m_bevelInner = cut;
    update();
}

void TRadioPanel::setBevelOuter(TBevelCut cut)
{
    if (m_bevelOuter == cut)
        return;
    m_bevelOuter = cut;
    update();
}

void TRadioPanel::setBevelWidth(int width)
{
    width = qMax(1, width);
    if (m_bevelWidth == width)
        return;
    m_bevelWidth = width;
    update();
}

void TRadioPanel::setBorderWidth(int width)
{
    width = qMax(0, width);
    if (m_borderWidth == width)
        return;
    m_borderWidth = width;
    update();
}

void TRadioPanel::setBorderStyle(TBorderStyle style)
{
    if (m_borderStyle == style)
        return;
    m_borderStyle = style;
    update();
}

TColor TRadioPanel::color() const
{
    if (!m_parentColor)
        return m_color;
    if (const TForm *form = TForm::formOfClientArea(parentWidget()))
        return form->color();
    if (parentWidget()) {
        const QVariant v = parentWidget()->property("Color");
        if (v.canConvert<TColor>())
            return v.value<TColor>();
    }
    return m_color;
}

void TRadioPanel::setColor(TColor color)
{
    if (m_color == color && !m_parentColor)
        return;
    m_color = color;
    m_parentColor = false;
    update();
}

void TRadioPanel::setParentColor(bool value)
{
    if (m_parentColor == value)
        return;
    m_parentColor = value;
    update();
}

void TRadioPanel::setTabStop(bool value)
{
    m_tabStop = value;
    setFocusPolicy(value ? Qt::TabFocus : Qt::NoFocus);
}

void TRadioPanel::SelectJumper(TTwoJumper *jumper)
{
    bool changed = false;
    for (QObject *child : children()) {
        if (!IsClass(child, "TTwoJumper"))
            continue;
        auto *j = static_cast<TTwoJumper *>(child);
        const bool closed = j == jumper;
        if (j->closed() != closed)
            changed = true;
        j->setClosed(closed);
    }
    if (changed && m_onRadioChange)
        m_onRadioChange(jumper);
}

void TRadioPanel::paintEvent(QPaintEvent *)
{
    // A panel seen in a design tool hides itself once, so it is stored hidden.
    if (IsDesigning(this) && !m_designHidden) {
        m_designHidden = true;
        setVisible(false);
    }
    QPainter painter(this);
    QRect r = rect();
    const QPalette pal = palette();
    // One line per pixel of width, light above and left for a raised edge.
    auto frame = [&](QColor topLeft, QColor bottomRight, int width) {
        for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
            painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
            painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
            painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
            painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
            r.adjust(1, 1, -1, -1);
        }
    };
    auto bevel = [&](TBevelCut cut) {
        const QColor light = pal.color(QPalette::Light);
        const QColor dark = pal.color(QPalette::Dark);
        const QColor face = color().toQColor();
        if (cut == bvRaised)
            frame(light, dark, m_bevelWidth);
        else if (cut == bvLowered)
            frame(dark, light, m_bevelWidth);
        else if (cut == bvSpace)
            frame(face, face, m_bevelWidth);
    };
    if (m_borderStyle == bsSingle)
        frame(Qt::black, Qt::black, 1);
    bevel(m_bevelOuter);
    const QColor face = color().toQColor();
    frame(face, face, m_borderWidth);
    bevel(m_bevelInner);
    painter.fillRect(r, face);
}
