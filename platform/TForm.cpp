#include "TForm.h"

#include "TMenu.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

TForm::TForm(QWidget *parent, Qt::WindowFlags flags) : QMainWindow(parent, flags)
{
    m_client = new QWidget(this);
    m_client->setObjectName(QString()); // the client area is no component
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);
    // Sizes come from the design, not from what the layout would like.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    setColor(m_color);
}

TForm::~TForm() = default;

TForm *TForm::formOfClientArea(const QWidget *widget)
{
    if (!widget)
        return nullptr;
    auto *form = qobject_cast<TForm *>(widget->parentWidget());
    return form && form->m_client == widget ? form : nullptr;
}

QSize TForm::frameExtra() const
{
    // Until the window is shown the frame is unknown, and what Qt reports for
    // a hidden window can even be smaller than the window itself.
    if (!isVisible())
        return QSize(0, 0); // QSize() would be -1 x -1
    const QSize extra = frameGeometry().size() - geometry().size();
    return QSize(qMax(0, extra.width()), qMax(0, extra.height()));
}

int TForm::menuHeight() const
{
    QWidget *bar = menuWidget();
    if (!bar || bar->isHidden())
        return 0;
    return isVisible() ? bar->height() : bar->sizeHint().height();
}

int TForm::outerWidth() const
{
    return width() + frameExtra().width();
}

int TForm::outerHeight() const
{
    return height() + frameExtra().height();
}

void TForm::setFormLeft(int left)
{
    move(left, formTop());
}

void TForm::setFormTop(int top)
{
    move(formLeft(), top);
}

void TForm::setOuterWidth(int width)
{
    resize(qMax(0, width - frameExtra().width()), height());
    m_client->resize(width - frameExtra().width(), m_client->height());
}

void TForm::setOuterHeight(int height)
{
    const int inner = qMax(0, height - frameExtra().height());
    resize(width(), inner);
    m_client->resize(m_client->width(), qMax(0, inner - menuHeight()));
}

void TForm::setClientWidth(int width)
{
    resize(width, height());
    // The layout places the client area only when it next runs; keep its size
    // current now so code that reads ClientWidth right away sees the new value.
    m_client->resize(width, m_client->height());
}

void TForm::setClientHeight(int height)
{
    resize(width(), height + menuHeight());
    m_client->resize(m_client->width(), height);
}

void TForm::setColor(TColor color)
{
    m_color = color;
    QPalette pal = m_client->palette();
    pal.setColor(QPalette::Window, color.toQColor());
    m_client->setPalette(pal);
    m_client->update();
}

void TForm::setFormStyle(TFormStyle style)
{
    m_formStyle = style;
    setWindowFlag(Qt::WindowStaysOnTopHint, style == fsStayOnTop);
}

void TForm::setBorderStyle(TFormBorderStyle style)
{
    m_borderStyle = style;
    // The window type is a field of the flags, not a set of bits to toggle:
    // clearing Qt::Dialog would also clear the bit that makes this a window.
    Qt::WindowType type = Qt::Window;
    if (style == bsToolWindow || style == bsSizeToolWin)
        type = Qt::Tool;
    else if (style == bsDialog)
        type = Qt::Dialog;
    Qt::WindowFlags flags = (windowFlags() & ~Qt::WindowType_Mask) | type;
    // Tool windows and dialogs carry a caption and a close box only, which
    // leaves a narrow window room for its caption.
    const Qt::WindowFlags captionOnly =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    flags.setFlag(Qt::CustomizeWindowHint, false);
    if (type != Qt::Window)
        flags |= captionOnly;
    else
        flags &= ~captionOnly;
    setWindowFlags(flags);
}

void TForm::setMenu(TMainMenu *menu)
{
    if (m_menu == menu)
        return;
    m_menu = menu;
    if (menu)
        setMenuBar(menu->menuBar());
}

void TForm::Show()
{
    if (m_position == poScreenCenter) {
        if (QScreen *screen = QGuiApplication::primaryScreen()) {
            QRect r = frameGeometry();
            r.moveCenter(screen->availableGeometry().center());
            move(r.topLeft());
        }
    }
    switch (m_windowState) {
    case wsMaximized:
        showMaximized();
        break;
    case wsMinimized:
        showMinimized();
        break;
    case wsNormal:
        show();
        break;
    }
}

bool TForm::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        Activated(true);
    else if (event->type() == QEvent::WindowDeactivate)
        Activated(false);
    return QMainWindow::event(event);
}

void TForm::Activated(bool active)
{
    const TNotifyEvent handler = active ? m_onActivate : m_onDeactivate;
    if (handler)
        handler(this);
}

void TForm::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && m_onClose)
        m_onClose(this);
}
