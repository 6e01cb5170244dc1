#include "Controls.h"

#include "TForm.h"

#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QResizeEvent>
#include <QVariant>
#include <QWidget>

namespace {

const char kAnchorsProperty[] = "_anchors";
const char kAlignProperty[] = "_align";

// Watches the parents of anchored or aligned children and moves those children
// when a parent's size changes. It remembers the size each parent had when its
// children were last placed, so a resize of a hidden parent (whose resize event
// Qt delivers only when it is shown) is still applied correctly.
class AnchorEngine : public QObject
{
public:
    static AnchorEngine *instance()
    {
        static AnchorEngine engine;
        return &engine;
    }

    void watch(QWidget *parent)
    {
        if (!parent || m_sizes.contains(parent))
            return;
        m_sizes.insert(parent, parent->size());
        parent->installEventFilter(this);
        connect(parent, &QObject::destroyed, this,
                [this](QObject *o) { m_sizes.remove(static_cast<QWidget *>(o)); });
    }

    // Applies any size change of the parent since its children were placed.
    void sync(QWidget *parent)
    {
        auto it = m_sizes.find(parent);
        if (it == m_sizes.end())
            return;
        const QSize old = it.value();
        const QSize now = parent->size();
        it.value() = now;
        if (old != now)
            applyAnchors(parent, old, now);
        layoutAligned(parent);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Resize && watched->isWidgetType())
            sync(static_cast<QWidget *>(watched));
        return false;
    }

private:
    static void applyAnchors(QWidget *parent, QSize old, QSize now)
    {
        const int dw = now.width() - old.width();
        const int dh = now.height() - old.height();
        for (QObject *o : parent->children()) {
            if (!o->isWidgetType() || o->property(kAnchorsProperty).isNull())
                continue;
            auto *child = static_cast<QWidget *>(o);
            if (ControlAlign(child) != alNone)
                continue;
            const TAnchors a = ControlAnchors(child);
            QRect r = child->geometry();
            adjust(r, a.testFlag(akLeft), a.testFlag(akRight), dw, old.width(), now.width(), true);
            adjust(r, a.testFlag(akTop), a.testFlag(akBottom), dh, old.height(), now.height(),
                   false);
            child->setGeometry(r);
        }
    }

    static void adjust(QRect &r, bool nearEdge, bool farEdge, int delta, int oldSize, int newSize,
                       bool horizontal)
    {
        int pos = horizontal ? r.x() : r.y();
        int size = horizontal ? r.width() : r.height();
        if (nearEdge && farEdge) {
            size = qMax(0, size + delta);
        } else if (farEdge) {
            pos += delta;
        } else if (!nearEdge && oldSize > 0) {
            // Neither edge: keep the centre at the same proportion of the parent.
            const double centre = (pos + size / 2.0) * newSize / oldSize;
            pos = int(centre - size / 2.0);
        }
        if (horizontal)
            r = QRect(pos, r.y(), size, r.height());
        else
            r = QRect(r.x(), pos, r.width(), size);
    }

    static void layoutAligned(QWidget *parent)
    {
        int top = 0;
        for (QObject *o : parent->children()) {
            if (!o->isWidgetType())
                continue;
            auto *child = static_cast<QWidget *>(o);
            if (ControlAlign(child) != alTop || !ControlVisibleFlag(child))
                continue;
            child->setGeometry(0, top, parent->width(), child->height());
            top += child->height();
        }
    }

    QHash<QWidget *, QSize> m_sizes;
};

} // namespace

TAnchors ControlAnchors(const QWidget *control)
{
    const QVariant v = control->property(kAnchorsProperty);
    return v.isNull() ? DefaultAnchors : TAnchors(v.toInt());
}

void SetControlAnchors(QWidget *control, TAnchors anchors)
{
    QWidget *parent = control->parentWidget();
    if (parent) {
        // Bring the other children up to date before this one joins at its current place.
        AnchorEngine::instance()->sync(parent);
        AnchorEngine::instance()->watch(parent);
    }
    control->setProperty(kAnchorsProperty, int(anchors));
}

TAlign ControlAlign(const QWidget *control)
{
    return TAlign(control->property(kAlignProperty).toInt());
}

void SetControlAlign(QWidget *control, TAlign align)
{
    control->setProperty(kAlignProperty, int(align));
    if (QWidget *parent = control->parentWidget()) {
        AnchorEngine::instance()->watch(parent);
        AnchorEngine::instance()->sync(parent);
    }
}

void SetControlBounds(QWidget *control, const QRect &bounds)
{
    if (QWidget *parent = control->parentWidget())
        AnchorEngine::instance()->sync(parent);
    control->setGeometry(bounds);
}

QSize ParentOuterSize(const QWidget *control)
{
    const QWidget *parent = control->parentWidget();
    if (!parent)
        return {};
    if (const TForm *form = TForm::formOfClientArea(parent))
        return QSize(form->outerWidth(), form->outerHeight());
    return parent->size();
}

bool ControlVisibleFlag(const QWidget *control)
{
    if (const QWidget *parent = control->parentWidget())
        return control->isVisibleTo(parent);
    return control->isVisible();
}
