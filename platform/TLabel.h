#pragma once

#include "Controls.h"

#include <QLabel>

// A caption on a form or panel. With AutoSize (the default) it takes the size
// of its text in its font; the text is drawn from the top left corner.
class TLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE setLeft)
    Q_PROPERTY(int Top READ y WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(Controls::TAnchors Anchors READ anchors WRITE setAnchors)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(bool Transparent READ transparent WRITE setTransparent)
    Q_PROPERTY(bool Visible READ visibleFlag WRITE setVisible)

public:
    explicit TLabel(QWidget *parent = nullptr);

    void setLeft(int left) { setBounds(left, y(), width(), height()); }
    void setTop(int top) { setBounds(x(), top, width(), height()); }
    void setWidth(int width) { setBounds(x(), y(), width, height()); }
    void setHeight(int height) { setBounds(x(), y(), width(), height); }
    void setBounds(int left, int top, int width, int height);
    TAnchors anchors() const { return ControlAnchors(this); }
    void setAnchors(TAnchors anchors) { SetControlAnchors(this, anchors); }
    bool visibleFlag() const { return ControlVisibleFlag(this); }

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool value);
    QString caption() const { return text(); }
    void setCaption(const QString &caption);
    bool transparent() const { return m_transparent; }
    void setTransparent(bool value);

    // The size the text needs in the current font.
    QSize textSize() const;

    Q_INVOKABLE void Loaded();

protected:
    void changeEvent(QEvent *event) override;

private:
    void adjustBounds();

    bool m_autoSize = true;
    bool m_transparent = false;
};
