#include "TBoardHighlight.h"

#include "ClassName.h"
#include "MessageBox.h"
#include "RenderRing.h"
#include "Screen.h"
#include "TBoardImage.h"
#include "TComponent.h"
#include "TMenu.h"

#include <QApplication>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
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

// A highlight type's top-level menu group, and the groups it goes before.
struct MenuGroup
{
    const char *caption;
    const char *stem;
    QStringList before;
};

MenuGroup menuGroupOf(THighlightType type)
{
    switch (type) {
    case htOptions:
        return {"&Options", "Options", {QStringLiteral("&Help")}};
    case htCalibration:
        return {
            "&Calibration", "Calibration", {QStringLiteral("&Options"), QStringLiteral("&Help")}};
    case htSettings:
        break;
    }
    return {"&Settings",
            "Settings",
            {QStringLiteral("&Calibration"), QStringLiteral("&Options"), QStringLiteral("&Help")}};
}

// Sizes of the pop-up window's parts, in pixels.
constexpr int kStatusHeight = 19;
constexpr int kButtonWidth = 58;
constexpr int kButtonHeight = 25;
constexpr int kMargin = 6;

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

TBoardHighlight::~TBoardHighlight()
{
    // The window goes first, so nothing it does on the way refers to a
    // half-destroyed highlight.
    delete m_popup;
}

void TBoardHighlight::setRadioPanel(TRadioPanel *panel)
{
    if (panel == m_radioPanel)
        return;
    if (!panel) {
        m_radioPanel = nullptr;
        return;
    }
    // One panel serves one linked set: refuse a panel that a highlight of
    // another set already shows.
    if (QWidget *parent = parentWidget()) {
        for (QObject *o : parent->children()) {
            if (o == this || !IsClass(o, "TBoardHighlight"))
                continue;
            auto *other = static_cast<TBoardHighlight *>(o);
            if (other->m_radioPanel == panel &&
                (other->m_title != m_title || other->m_highlightType != m_highlightType)) {
                if (IsDesigning(this))
                    MessageBox(panel->objectName() +
                                   QStringLiteral(" has already been assigned to ") +
                                   other->objectName() + QStringLiteral("."),
                               QApplication::applicationName(), MB_OK | MB_ICONERROR);
                return;
            }
        }
    }
    m_radioPanel = panel;
    if (!IsDesigning(this) || IsLoading(this))
        return;
    for (TBoardHighlight *member : LinkedSet()) {
        if (member == this || member->m_radioPanel == panel)
            continue;
        const QString question = objectName() +
                                 QStringLiteral("'s RadioPanel property changed. Synchronize "
                                                "linked component ") +
                                 member->objectName() + QStringLiteral("?");
        if (MessageBox(question, QApplication::applicationName(), MB_YESNO | MB_ICONQUESTION) ==
            IDYES)
            member->m_radioPanel = panel;
    }
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

QList<TBoardHighlight *> TBoardHighlight::LinkedSet() const
{
    QList<TBoardHighlight *> set;
    QWidget *parent = parentWidget();
    if (!IsClass(parent, "TBoardImage"))
        return set;
    for (QObject *o : parent->children()) {
        if (!IsClass(o, "TBoardHighlight"))
            continue;
        auto *h = static_cast<TBoardHighlight *>(o);
        if (h->m_title == m_title && h->m_highlightType == m_highlightType)
            set.append(h);
    }
    return set;
}

void TBoardHighlight::enterEvent(QEnterEvent *event)
{
    TControl::enterEvent(event);
    MouseEnter(false);
}

void TBoardHighlight::leaveEvent(QEvent *event)
{
    TControl::leaveEvent(event);
    MouseLeave(false);
}

void TBoardHighlight::MouseEnter(bool forwarded)
{
    if (m_hot)
        return;
    m_hot = true;
    update();
    if (m_createPopup)
        ShowPopup();
    if (!forwarded) {
        for (TBoardHighlight *member : LinkedSet())
            member->MouseEnter(true);
    }
}

QRect TBoardHighlight::popupBounds() const
{
    return QRect(m_popup->formLeft(), m_popup->formTop(), m_popup->outerWidth(),
                 m_popup->outerHeight());
}

void TBoardHighlight::MouseLeave(bool forwarded)
{
    if (!m_hot)
        return;
    if (m_popup && !m_pinned) {
        // Moving from the ring straight into its window pins the window until
        // the pointer leaves that too.
        if (popupBounds().contains(CursorPos())) {
            m_popup->setCloseOnLeave(true);
            PinPopup();
        } else {
            m_popup->close();
        }
    }
    if (!forwarded) {
        for (TBoardHighlight *member : LinkedSet())
            member->MouseLeave(true);
    }
    // Without a pop-up there is no window whose closing would unlight the ring.
    if (!m_createPopup && !m_popup)
        ClearHot();
}

void TBoardHighlight::Click()
{
    TControl::Click();
    PinPopup();
}

void TBoardHighlight::PinPopup()
{
    if (m_popup) {
        m_pinned = true;
        SetMenuChecked(true);
    }
    for (TBoardHighlight *member : LinkedSet()) {
        if (!member->m_popup)
            continue;
        member->m_pinned = true;
        member->SetMenuChecked(true);
        member->m_popup->raise();
        member->m_popup->activateWindow();
    }
}

void TBoardHighlight::SetPopupActive(bool active, bool propagate)
{
    setPopupActiveFlag(active);
    raise();
    update();
    if (!propagate)
        return;
    // Raising a member reorders the parent's children, so take the set first.
    for (TBoardHighlight *member : LinkedSet()) {
        if (member != this)
            member->SetPopupActive(active, false);
    }
}

void TBoardHighlight::PopupClosed()
{
    SetMenuChecked(false);
    if (m_popup)
        m_popup->setCloseOnLeave(false);
    ClearHot();
    for (TBoardHighlight *member : LinkedSet())
        member->ClearHot();
}

void TBoardHighlight::ClearHot()
{
    m_hot = false;
    update();
}

void TBoardHighlight::ShowPopup()
{
    if (m_popup) {
        if (!m_popup->isVisible())
            m_pinned = false;
        m_popup->show();
        m_popup->raise();
        return;
    }
    // Another member of the linked set owns the window already.
    const int tag = int(m_highlightType);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *form = qobject_cast<TForm *>(w);
        if (form && form->windowTitle() == m_popupCaption && form->tag() == tag)
            return;
    }

    auto *popup = new TPopupForm(this);
    m_popup = popup;
    popup->setHighlight(this);
    popup->setBorderStyle(bsSizeToolWin);
    popup->setFormStyle(fsStayOnTop);
    m_pinned = false;

    TRadioPanel *panel = m_radioPanel;
    int mh = 58;
    int pl = 0;
    int pt = 0;
    if (panel) {
        mh = panel->memoHeight();
        popup->setOnActivate(panel->onActivate());
        popup->setOnDeactivate(panel->onDeactivate());
        pl = panel->x();
        pt = panel->y();
        popup->setClientWidth(panel->width());
        popup->setClientHeight(panel->height() + 32 + mh + kStatusHeight);
        panel->setParent(popup->clientArea());
        panel->setBounds(0, 0, panel->width(), panel->height());
        panel->setVisible(true);
        panel->setAnchors(panel->finalAnchors());
        panel->setHosted(true);
    } else {
        popup->setOuterWidth(194);
        popup->setOuterHeight(58 + 64 + kStatusHeight);
    }

    popup->setWindowTitle(m_popupCaption);
    popup->setOuterWidth(std::max(194, popup->outerWidth()));
    popup->setOuterHeight(std::max(122, popup->outerHeight()));
    popup->setMinimumSize(popup->size());
    popup->setTag(tag);

    // Where the panel was designed, shifted by how far the board picture has
    // moved since its first paint; without a panel, 38 pixels below the board.
    QWidget *board = parentWidget();
    int dx = 0;
    int dy = 0;
    if (IsClass(board, "TBoardImage")) {
        auto *b = static_cast<TBoardImage *>(board);
        dx = b->designLeft() - pl;
        dy = b->designTop() - pt;
    }
    if (!panel && board) {
        dx = 0;
        dy = -(board->height() + 38);
    }
    const QPoint boardPos = board ? board->pos() : QPoint();
    popup->move(boardPos.x() - dx, boardPos.y() - dy);

    QPointer<TBoardHighlight> self(this);
    popup->setOnClose([self](QObject *) {
        if (self)
            self->PopupClosed();
    });

    QWidget *client = popup->clientArea();
    const int cw = popup->clientWidth();
    const int ch = popup->clientHeight();
    auto *status = new QStatusBar(client);
    status->setObjectName(QStringLiteral("PopupStatus"));
    status->setSizeGripEnabled(false);
    status->setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));
    SetControlBounds(status, QRect(0, ch - kStatusHeight, cw, kStatusHeight));
    SetControlAnchors(status, akLeft | akRight | akBottom);
    popup->setPopupStatus(status);

    const int buttonTop = ch - kButtonHeight - kStatusHeight;
    auto addButton = [&](const QString &caption, const QString &name, int left, TAnchors anchors) {
        auto *button = new QPushButton(caption, client);
        button->setObjectName(name);
        SetControlBounds(button, QRect(left, buttonTop, kButtonWidth, kButtonHeight));
        SetControlAnchors(button, anchors);
        return button;
    };
    QPushButton *previous = addButton(QStringLiteral("Previous"), QStringLiteral("PreviousButton"),
                                      kMargin, akLeft | akBottom);
    QPushButton *next = addButton(QStringLiteral("Next"), QStringLiteral("NextButton"),
                                  (cw - kButtonWidth) / 2, TAnchors(akBottom));
    QPushButton *done = addButton(QStringLiteral("Done"), QStringLiteral("DoneButton"),
                                  cw - kButtonWidth - kMargin, akRight | akBottom);
    QObject::connect(previous, &QPushButton::clicked, this, &TBoardHighlight::ShowPrevious);
    QObject::connect(next, &QPushButton::clicked, this, &TBoardHighlight::ShowNext);
    QObject::connect(done, &QPushButton::clicked, popup, &QWidget::close);

    auto *memo = new QPlainTextEdit(client);
    memo->setObjectName(QStringLiteral("StatusMemo"));
    SetControlBounds(memo, QRect(kMargin, buttonTop - kMargin - mh, cw - 2 * kMargin, mh));
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SetControlAnchors(memo, akLeft | akTop | akRight | akBottom);
    if (panel) {
        memo->setPlainText(panel->lines().join(QLatin1Char('\n')));
        panel->setPopupMemo(memo);
    }

    // Keep the whole window on the screen.
    const QSize screen = ScreenSize();
    QPoint at(popup->formLeft(), popup->formTop());
    if (at.x() < 0)
        at.setX(0);
    else if (at.x() + popup->outerWidth() > screen.width())
        at.setX(screen.width() - popup->outerWidth());
    if (at.y() < 0)
        at.setY(0);
    else if (at.y() + popup->outerHeight() > screen.height())
        at.setY(screen.height() - popup->outerHeight());
    popup->move(at);

    popup->show();
    popup->raise();
    popup->activateWindow();
    if (panel)
        panel->setFocus();
    else
        done->setFocus();
}

QString TBoardHighlight::GroupCaption(THighlightType type)
{
    return QString::fromLatin1(menuGroupOf(type).caption);
}

TMenuItem *TBoardHighlight::menuEntry(TMenuItem **groupOut) const
{
    if (!m_menu)
        return nullptr;
    const QString caption = GroupCaption(m_highlightType);
    for (int i = 0; i < m_menu->Count(); ++i) {
        TMenuItem *group = m_menu->Items(i);
        if (group->text() != caption)
            continue;
        for (int j = 0; j < group->Count(); ++j) {
            if (group->Items(j)->text() == m_title) {
                if (groupOut)
                    *groupOut = group;
                return group->Items(j);
            }
        }
    }
    return nullptr;
}

// New menu items belong to the menu's owner, the main window.
QObject *TBoardHighlight::menuOwner() const
{
    return m_menu->parent() ? m_menu->parent() : m_menu.data();
}

void TBoardHighlight::RegisterInMenu()
{
    if (!m_menu)
        return;
    const MenuGroup g = menuGroupOf(m_highlightType);
    const QString caption = QString::fromLatin1(g.caption);
    for (int i = 0; i < m_menu->Count(); ++i) {
        TMenuItem *group = m_menu->Items(i);
        if (group->text() != caption)
            continue;
        for (int j = 0; j < group->Count(); ++j) {
            if (group->Items(j)->text() == m_title)
                return; // another member of the linked set registered first
        }
        if (!m_title.isEmpty())
            addMenuEntry(group);
        return;
    }

    QObject *owner = menuOwner();
    auto *group = new TMenuItem(owner);
    group->setObjectName(UniqueComponentName(owner, QString::fromLatin1(g.stem)));
    group->setCaption(caption);
    int at = m_menu->Count();
    for (int i = 0; i < m_menu->Count(); ++i) {
        if (g.before.contains(m_menu->Items(i)->text())) {
            at = i;
            break;
        }
    }
    m_menu->Insert(at, group);
    if (!m_title.isEmpty())
        addMenuEntry(group);
}

void TBoardHighlight::addMenuEntry(TMenuItem *group)
{
    QObject *owner = menuOwner();
    auto *entry = new TMenuItem(owner);
    // A title without any ASCII letter has no identifier form; its entry is
    // named after its group instead ("SettingsEntry1").
    const QString stem =
        m_menuIdent.isEmpty()
            ? QString::fromLatin1(menuGroupOf(m_highlightType).stem) + QStringLiteral("Entry")
            : m_menuIdent;
    entry->setObjectName(UniqueComponentName(owner, stem));
    entry->setCaption(m_title);
    entry->setCheckable(true);
    QPointer<TBoardHighlight> self(this);
    entry->setOnClick([self](QObject *sender) {
        if (self)
            self->MenuItemClick(sender);
    });
    group->Add(entry);
}

void TBoardHighlight::SetMenuChecked(bool checked)
{
    if (TMenuItem *entry = menuEntry())
        entry->setCheckedMark(checked);
}

void TBoardHighlight::MenuItemClick(QObject *sender)
{
    if (IsClass(sender, "TMenuItem") && static_cast<TMenuItem *>(sender)->checked()) {
        if (m_popup) {
            m_popup->close();
        } else {
            for (TBoardHighlight *member : LinkedSet()) {
                if (member->m_popup)
                    member->MenuItemClick(sender);
            }
        }
        return;
    }
    MouseEnter(false);
    PinPopup();
    MouseLeave(false);
}

void TBoardHighlight::ShowPrevious()
{
    showNeighbour(-1);
}

void TBoardHighlight::ShowNext()
{
    showNeighbour(1);
}

void TBoardHighlight::showNeighbour(int step)
{
    TMenuItem *group = nullptr;
    TMenuItem *entry = menuEntry(&group);
    if (!entry)
        return;
    const int n = group->Count();
    const int k = group->IndexOf(entry);
    if (m_popup)
        m_popup->close();
    // The neighbour in the walking direction, wrapping around; entries placed
    // by hand without a click handler are passed over, and a group whose only
    // handled entry is this one comes back to it.
    for (int i = 1; i <= n; ++i) {
        TMenuItem *target = group->Items(((k + step * i) % n + n) % n);
        if (target && target->onClick()) {
            target->onClick()(this);
            return;
        }
    }
}
