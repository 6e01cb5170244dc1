#pragma once

#include <QObject>
#include <QRect>

class QWidget;

// Enumerations shared by every control, registered so designs can name their members.
namespace Controls {
Q_NAMESPACE

enum TAnchorKind {
    akLeft = 0x1,
    akTop = 0x2,
    akRight = 0x4,
    akBottom = 0x8,
};
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_FLAG_NS(TAnchors)

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

enum TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
Q_ENUM_NS(TBevelCut)

} // namespace Controls

Q_DECLARE_OPERATORS_FOR_FLAGS(Controls::TAnchors)

using Controls::TAlign;
using Controls::TAnchorKind;
using Controls::TAnchors;
using Controls::TBevelCut;
using Controls::TBorderStyle;
using enum Controls::TAnchorKind;
using enum Controls::TAlign;
using enum Controls::TBorderStyle;
using enum Controls::TBevelCut;

constexpr TAnchors DefaultAnchors{akLeft | akTop};

// Anchors and alignment for children positioned by coordinates. A child keeps
// fixed distances to the anchored edges of its parent when the parent resizes;
// an edge pair left unanchored keeps the child's centre at the same proportion.
// alTop children are stacked along the top edge at the parent's full width.
TAnchors ControlAnchors(const QWidget *control);
void SetControlAnchors(QWidget *control, TAnchors anchors);
TAlign ControlAlign(const QWidget *control);
void SetControlAlign(QWidget *control, TAlign align);

// Left/Top/Width/Height in the parent's client coordinates. Use this (rather than
// QWidget::setGeometry) for anchored children so the anchoring stays in step.
void SetControlBounds(QWidget *control, const QRect &bounds);

// The outer size of a control's parent: for a form's client area the form's
// frame size, otherwise the parent's own size.
QSize ParentOuterSize(const QWidget *control);

// The visible flag as designs mean it: not hidden explicitly, whether or not
// the parent is shown yet.
bool ControlVisibleFlag(const QWidget *control);
