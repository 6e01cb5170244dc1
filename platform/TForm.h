#pragma once

#include "TColor.h"
#include "TNotifyEvent.h"

#include <QMainWindow>

#include "TMenu.h"

namespace Forms {
Q_NAMESPACE
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
Q_ENUM_NS(TWindowState)
enum TPosition { poDesigned, poDefault, poScreenCenter, poMainFormCenter, poOwnerFormCenter };
Q_ENUM_NS(TPosition)
enum TFormStyle { fsNormal, fsStayOnTop };
Q_ENUM_NS(TFormStyle)
enum TFormBorderStyle { bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
Q_ENUM_NS(TFormBorderStyle)
} // namespace Forms

using Forms::TFormBorderStyle;
using Forms::TFormStyle;
using Forms::TPosition;
using Forms::TWindowState;
using enum Forms::TWindowState;
using enum Forms::TPosition;
using enum Forms::TFormStyle;
using enum Forms::TFormBorderStyle;

// A top-level window. Width/Height are its outer size (frame included), while
// ClientWidth/ClientHeight and every child position refer to its client area:
// the central widget, below the menu bar. Children of the form live in that area.
class TForm : public QMainWindow
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ windowTitle WRITE setWindowTitle)
    Q_PROPERTY(int Left READ formLeft WRITE setFormLeft)
    Q_PROPERTY(int Top READ formTop WRITE setFormTop)
    Q_PROPERTY(int Width READ outerWidth WRITE setOuterWidth)
    Q_PROPERTY(int Height READ outerHeight WRITE setOuterHeight)
    Q_PROPERTY(int ClientWidth READ clientWidth WRITE setClientWidth)
    Q_PROPERTY(int ClientHeight READ clientHeight WRITE setClientHeight)
    Q_PROPERTY(TColor Color READ color WRITE setColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(Forms::TWindowState WindowState READ windowStateValue WRITE setWindowStateValue)
    Q_PROPERTY(Forms::TPosition Position READ position WRITE setPosition)
    Q_PROPERTY(Forms::TFormStyle FormStyle READ formStyle WRITE setFormStyle)
    Q_PROPERTY(Forms::TFormBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(TMainMenu *Menu READ menu WRITE setMenu)
    Q_PROPERTY(int Tag READ tag WRITE setTag)
    Q_PROPERTY(int PixelsPerInch READ pixelsPerInch WRITE setPixelsPerInch)
    Q_PROPERTY(int TextHeight READ textHeight WRITE setTextHeight)
    Q_PROPERTY(TNotifyEvent OnActivate READ onActivate WRITE setOnActivate)
    Q_PROPERTY(TNotifyEvent OnDeactivate READ onDeactivate WRITE setOnDeactivate)
    Q_PROPERTY(TNotifyEvent OnClose READ onClose WRITE setOnClose)

public:
    explicit TForm(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~TForm() override;

    // The widget children are placed in.
    QWidget *clientArea() const { return m_client; }
    // The form whose client area the widget is, or null.
    static TForm *formOfClientArea(const QWidget *widget);

    int formLeft() const { return frameGeometry().x(); }
    int formTop() const { return frameGeometry().y(); }
    void setFormLeft(int left);
    void setFormTop(int top);
    int outerWidth() const;
    int outerHeight() const;
    void setOuterWidth(int width);
    void setOuterHeight(int height);
    int clientWidth() const { return m_client->width(); }
    int clientHeight() const { return m_client->height(); }
    void setClientWidth(int width);
    void setClientHeight(int height);

    TColor color() const { return m_color; }
    void setColor(TColor color);
    TWindowState windowStateValue() const { return m_windowState; }
    void setWindowStateValue(TWindowState state) { m_windowState = state; }
    TPosition position() const { return m_position; }
    void setPosition(TPosition position) { m_position = position; }
    TFormStyle formStyle() const { return m_formStyle; }
    void setFormStyle(TFormStyle style);
    TFormBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TFormBorderStyle style);
    TMainMenu *menu() const { return m_menu; }
    void setMenu(TMainMenu *menu);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    int pixelsPerInch() const { return m_pixelsPerInch; }
    void setPixelsPerInch(int ppi) { m_pixelsPerInch = ppi; }
    int textHeight() const { return m_textHeight; }
    void setTextHeight(int height) { m_textHeight = height; }

    TNotifyEvent onActivate() const { return m_onActivate; }
    void setOnActivate(const TNotifyEvent &handler) { m_onActivate = handler; }
    TNotifyEvent onDeactivate() const { return m_onDeactivate; }
    void setOnDeactivate(const TNotifyEvent &handler) { m_onDeactivate = handler; }
    TNotifyEvent onClose() const { return m_onClose; }
    void setOnClose(const TNotifyEvent &handler) { m_onClose = handler; }

    // Shows the window in its WindowState, centred first when Position asks for it.
    void Show();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // Window activation and deactivation; the default raises OnActivate/OnDeactivate.
    virtual void Activated(bool active);

private:
    QSize frameExtra() const;
    int menuHeight() const;

    QWidget *m_client = nullptr;
    TMainMenu *m_menu = nullptr;
    TColor m_color = clBtnFace;
    TWindowState m_windowState = wsNormal;
    TPosition m_position = poDesigned;
    TFormStyle m_formStyle = fsNormal;
    TFormBorderStyle m_borderStyle = bsSizeable;
    int m_tag = 0;
    int m_pixelsPerInch = 96;
    int m_textHeight = 13;
    TNotifyEvent m_onActivate;
    TNotifyEvent m_onDeactivate;
    TNotifyEvent m_onClose;
};
