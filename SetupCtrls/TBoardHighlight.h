#pragma once

#include "HighlightTypes.h"
#include "TColor.h"
#include "TControl.h"
#include "TPopupForm.h"
#include "TRadioPanel.h"

#include <QImage>
#include <QPointer>

class TMainMenu;
class TMenuItem;

// A ring marker on the board picture over one jumper or feature. It shows the
// photograph beneath it with a soft ring blended in, in three strengths: idle,
// lit (pointer over it, or its pop-up active) and flared (both).
class TBoardHighlight : public TControl
{
    Q_OBJECT
    Q_PROPERTY(bool CreatePopup READ createPopup WRITE setCreatePopup)
    Q_PROPERTY(Highlights::THighlightType HighlightType READ highlightType WRITE setHighlightType)
    Q_PROPERTY(TRadioPanel *RadioPanel READ radioPanel WRITE setRadioPanel)
    Q_PROPERTY(QString Title READ title WRITE setTitle)

public:
    explicit TBoardHighlight(QWidget *parent = nullptr);
    ~TBoardHighlight() override;

    bool createPopup() const { return m_createPopup; }
    void setCreatePopup(bool value) { m_createPopup = value; }
    THighlightType highlightType() const { return m_highlightType; }
    // Also sets the ring colour and strengths of the type. Rings already
    // rendered at run time keep their look.
    void setHighlightType(THighlightType type);
    TRadioPanel *radioPanel() const { return m_radioPanel; }
    void setRadioPanel(TRadioPanel *panel);
    QString title() const { return m_title; }
    // Also derives popupCaption() and menuIdent().
    void setTitle(const QString &title);

    // The title without its "&" marks: the pop-up window's caption.
    QString popupCaption() const { return m_popupCaption; }
    // The title as an identifier: the stem of the menu entry's component name.
    QString menuIdent() const { return m_menuIdent; }
    // "&Digital Interrupt" -> "DigitalInterrupt": leading characters up to the
    // first ASCII letter or "_" go, then everything but ASCII letters, digits
    // and "_". Empty when the title has no ASCII letter or "_".
    static QString MenuIdentOf(const QString &title);

    TColor ringColor() const { return m_ringColor; }
    float idleStrength() const { return m_idleStrength; }
    float litStrength() const { return m_litStrength; }
    float flareStrength() const { return m_flareStrength; }
    const QImage &idleImage() const { return m_idleImage; }
    const QImage &litImage() const { return m_litImage; }
    const QImage &flareImage() const { return m_flareImage; }
    // The image a paint shows now: flare when hot with its pop-up active, lit
    // when exactly one of the two, idle otherwise.
    const QImage &currentImage() const;

    // Pointer has entered; cleared when the pop-up closes.
    bool hot() const { return m_hot; }
    void setHot(bool hot);
    // The linked set's pop-up window is the active window. This stores the
    // flag and repaints, nothing more.
    bool popupActive() const { return m_popupActive; }
    void setPopupActiveFlag(bool active);
    // The pop-up stays open when the pointer leaves the highlight.
    bool pinned() const { return m_pinned; }
    void setPinned(bool pinned) { m_pinned = pinned; }
    // The ring images have been rendered (at the first run-time paint).
    bool ringsBuilt() const { return m_ringsBuilt; }

    // The main menu the highlight registers in, taken from its board picture at
    // the first run-time paint.
    TMainMenu *menu() const { return m_menu; }
    void setMenuRef(TMainMenu *menu) { m_menu = menu; }

    // The highlights that act as one option with this one: the children of the
    // same board picture with equal Title and HighlightType, this one included,
    // in child order. Empty when the parent is no board picture.
    QList<TBoardHighlight *> LinkedSet() const;
    // The pop-up window this highlight built, if any.
    TPopupForm *popup() const { return m_popup; }

    // The pointer entered or left. A forwarded call comes from another member
    // of the linked set and is not passed on again.
    void MouseEnter(bool forwarded = false);
    void MouseLeave(bool forwarded = false);
    // OnClick, then the pop-up is pinned.
    void Click() override;
    // Keeps the linked set's pop-up open when the pointer leaves, checks the
    // menu entry and focuses the window.
    void PinPopup();
    // Shows the linked set's pop-up window, building it on the first visit.
    void ShowPopup();
    // The pop-up window became active or inactive: relight, and with propagate
    // relight the other members as well.
    void SetPopupActive(bool active, bool propagate);
    // The pop-up window was closed (hidden): uncheck, unlight the set.
    void PopupClosed();
    void ClearHot();

    // The top-level menu group of a type: "&Settings", "&Calibration", "&Options".
    static QString GroupCaption(THighlightType type);
    // The check mark of this highlight's menu entry.
    void SetMenuChecked(bool checked);
    // The menu entry's click: closes the set's pop-up when the entry is
    // checked, otherwise opens it pinned. Any other sender opens it pinned.
    void MenuItemClick(QObject *sender);
    // Previous/Next: close this pop-up and open the neighbouring entry's,
    // wrapping around; entries without a click handler are passed over.
    void ShowPrevious();
    void ShowNext();

    // Renders the three ring images from the pixels beneath the control.
    void RebuildRingBitmaps();
    // The pixels the parent shows under this control, as an ARGB32 image of
    // the control's size.
    QImage PixelsBeneath() const;

protected:
    // Adds the highlight's entry to menu(); called once, at the first run-time
    // paint, after the rings are rendered.
    virtual void RegisterInMenu();

    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    const QImage &currentShown() const;
    // This highlight's entry: the first group of its type holding an entry
    // captioned Title.
    TMenuItem *menuEntry(TMenuItem **group = nullptr) const;
    void addMenuEntry(TMenuItem *group);
    QObject *menuOwner() const;
    void showNeighbour(int step);
    QRect popupBounds() const;

    QPointer<TRadioPanel> m_radioPanel;
    QPointer<TMainMenu> m_menu;
    QPointer<TPopupForm> m_popup;
    QString m_title;
    QString m_popupCaption;
    QString m_menuIdent;
    QImage m_idleImage;
    QImage m_flareImage;
    QImage m_litImage;
    // The three images as the screen shows them: colour only, fourth byte
    // 0xFF, so each paint is one plain copy whatever the target's format.
    QImage m_idleShown;
    QImage m_flareShown;
    QImage m_litShown;
    TColor m_ringColor;
    float m_idleStrength = 0;
    float m_flareStrength = 0;
    float m_litStrength = 0;
    THighlightType m_highlightType = htOptions;
    bool m_createPopup = true;
    bool m_hot = false;
    bool m_pinned = false;
    bool m_ringsBuilt = false;
    bool m_popupActive = false;
};
