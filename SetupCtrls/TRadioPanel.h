#pragma once

#include "TColor.h"
#include "TControl.h"
#include "TNotifyEvent.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QStringList>

class TTwoJumper;

using TRadioPanelChangeEvent = TNotifyEvent;

// The container of one option group: its list, jumper drawings and captions,
// plus the explanatory text its pop-up window shows beneath it. It stays hidden
// on the window it was designed on until a highlight moves it into its pop-up.
// With RadioEnabled its two-pin jumpers form a one-of-many choice.
class TRadioPanel : public TControl
{
    Q_OBJECT
    Q_PROPERTY(bool RadioEnabled READ radioEnabled WRITE setRadioEnabled)
    Q_PROPERTY(QStringList Lines READ lines WRITE setLines)
    Q_PROPERTY(int MemoHeight READ memoHeight WRITE setMemoHeight)
    Q_PROPERTY(Controls::TAnchors FinalAnchors READ finalAnchors WRITE setFinalAnchors)
    Q_PROPERTY(Controls::TBevelCut BevelInner READ bevelInner WRITE setBevelInner)
    Q_PROPERTY(Controls::TBevelCut BevelOuter READ bevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(Controls::TBorderStyle BorderStyle READ borderStyle WRITE setBorderStyle)
    Q_PROPERTY(TColor Color READ color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ parentColor WRITE setParentColor)
    Q_PROPERTY(bool ParentFont READ parentFont WRITE setParentFont)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(bool TabStop READ tabStop WRITE setTabStop)
    Q_PROPERTY(TNotifyEvent OnRadioChange READ onRadioChange WRITE setOnRadioChange)
    Q_PROPERTY(TNotifyEvent OnActivate READ onActivate WRITE setOnActivate)
    Q_PROPERTY(TNotifyEvent OnDeactivate READ onDeactivate WRITE setOnDeactivate)
    Q_PROPERTY(TNotifyEvent OnEnter READ onEnter WRITE setOnEnter)
    Q_PROPERTY(TNotifyEvent OnExit READ onExit WRITE setOnExit)

public:
    explicit TRadioPanel(QWidget *parent = nullptr);

    bool radioEnabled() const { return m_radioEnabled; }
    void setRadioEnabled(bool value) { m_radioEnabled = value; }
    QStringList lines() const { return m_lines; }
    void setLines(const QStringList &lines) { m_lines = lines; }
    int memoHeight() const { return m_memoHeight; }
    void setMemoHeight(int height) { m_memoHeight = height; }
    TAnchors finalAnchors() const { return m_finalAnchors; }
    void setFinalAnchors(TAnchors anchors);

    TBevelCut bevelInner() const { return m_bevelInner; }
    void setBevelInner(TBevelCut cut);
    TBevelCut bevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TBevelCut cut);
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);
    TBorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(TBorderStyle style);
    // With ParentColor the panel shows its parent's colour; setting Color clears it.
    TColor color() const;
    void setColor(TColor color);
    bool parentColor() const { return m_parentColor; }
    void setParentColor(bool value);
    bool parentFont() const { return m_parentFont; }
    void setParentFont(bool value) { m_parentFont = value; }
    int tabOrder() const { return m_tabOrder; }
    void setTabOrder(int order) { m_tabOrder = order; }
    bool tabStop() const { return m_tabStop; }
    void setTabStop(bool value);

    TNotifyEvent onRadioChange() const { return m_onRadioChange; }
    void setOnRadioChange(const TNotifyEvent &handler) { m_onRadioChange = handler; }
    TNotifyEvent onActivate() const { return m_onActivate; }
    void setOnActivate(const TNotifyEvent &handler) { m_onActivate = handler; }
    TNotifyEvent onDeactivate() const { return m_onDeactivate; }
    void setOnDeactivate(const TNotifyEvent &handler) { m_onDeactivate = handler; }
    // Raised when the keyboard focus moves from outside the panel to the panel
    // or one of its descendants, and when it moves out again. Moving to another
    // window and back is no move within the window and raises neither.
    TNotifyEvent onEnter() const { return m_onEnter; }
    void setOnEnter(const TNotifyEvent &handler) { m_onEnter = handler; }
    TNotifyEvent onExit() const { return m_onExit; }
    void setOnExit(const TNotifyEvent &handler) { m_onExit = handler; }

    // True once the panel sits in its pop-up window; from then on it takes FinalAnchors.
    bool hosted() const { return m_hosted; }
    void setHosted(bool hosted);
    // The pop-up's text box made for this panel, once there is one.
    QPlainTextEdit *popupMemo() const { return m_popupMemo; }
    void setPopupMemo(QPlainTextEdit *memo) { m_popupMemo = memo; }
    // Set when a design tool's first paint hid the panel.
    bool designHidden() const { return m_designHidden; }

    // The one-of-many rule: closes the given jumper and opens the panel's other
    // two-pin jumpers; raises OnRadioChange when any of them changed.
    void SelectJumper(TTwoJumper *jumper);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QStringList m_lines;
    QPointer<QPlainTextEdit> m_popupMemo;
    TNotifyEvent m_onRadioChange;
    TNotifyEvent m_onActivate;
    TNotifyEvent m_onDeactivate;
    TNotifyEvent m_onEnter;
    TNotifyEvent m_onExit;
    TAnchors m_finalAnchors = DefaultAnchors;
    TColor m_color = clBtnFace;
    TBevelCut m_bevelInner = bvNone;
    TBevelCut m_bevelOuter = bvNone;
    TBorderStyle m_borderStyle = bsNone;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
    int m_memoHeight = 58;
    int m_tabOrder = -1;
    bool m_radioEnabled = false;
    bool m_parentColor = false;
    bool m_parentFont = true;
    bool m_tabStop = false;
    bool m_hosted = false;
    bool m_designHidden = false;
};
