#pragma once

#include "Controls.h"
#include "TColor.h"
#include "TNotifyEvent.h"

#include <QWidget>

// Base of the components that are widgets of their own: position and size in the
// parent's client coordinates, anchors, alignment, the visible and enabled flags
// and the click event (a left press and release over the control).
class TControl : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE setLeft)
    Q_PROPERTY(int Top READ y WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(Controls::TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(Controls::TAnchors Anchors READ anchors WRITE setAnchors)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ visibleFlag WRITE setVisible)
    Q_PROPERTY(bool ShowHint READ showHint WRITE setShowHint)
    Q_PROPERTY(bool ParentShowHint READ parentShowHint WRITE setParentShowHint)
    Q_PROPERTY(QString Hint READ toolTip WRITE setToolTip)
    Q_PROPERTY(TNotifyEvent OnClick READ onClick WRITE setOnClick)

public:
    explicit TControl(QWidget *parent = nullptr);

    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);
    void setBounds(int left, int top, int width, int height);

    TAlign align() const { return ControlAlign(this); }
    void setAlign(TAlign align) { SetControlAlign(this, align); }
    TAnchors anchors() const { return ControlAnchors(this); }
    void setAnchors(TAnchors anchors) { SetControlAnchors(this, anchors); }
    bool visibleFlag() const { return ControlVisibleFlag(this); }

    bool showHint() const { return m_showHint; }
    void setShowHint(bool value) { m_showHint = value; }
    bool parentShowHint() const { return m_parentShowHint; }
    void setParentShowHint(bool value) { m_parentShowHint = value; }

    TNotifyEvent onClick() const { return m_onClick; }
    void setOnClick(const TNotifyEvent &handler) { m_onClick = handler; }

    // A click as the user makes it: runs the control's reaction, then OnClick.
    virtual void Click();

    // Automatic sizing: while AutoSizeActive() answers true, every change of the
    // bounds asks CanAutoSize for the size to take instead.
    // Sizing waits while the design is loading and runs once it is done.
    virtual bool AutoSizeActive() const { return false; }
    virtual bool CanAutoSize(int &newWidth, int &newHeight)
    {
        Q_UNUSED(newWidth);
        Q_UNUSED(newHeight);
        return false;
    }

    // Called by the design loader when every component of the design is in place.
    Q_INVOKABLE virtual void Loaded();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TNotifyEvent m_onClick;
    bool m_showHint = false;
    bool m_parentShowHint = true;
    bool m_pressed = false;
};
