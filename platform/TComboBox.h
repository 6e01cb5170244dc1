#pragma once

#include "Controls.h"
#include "TNotifyEvent.h"

#include <QComboBox>

namespace StdCtrls {
Q_NAMESPACE
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
Q_ENUM_NS(TComboBoxStyle)
} // namespace StdCtrls

using StdCtrls::TComboBoxStyle;
using enum StdCtrls::TComboBoxStyle;

// A drop-down list. OnChange reports a choice the user made; setting ItemIndex
// or Items from code raises nothing. ItemIndex -1 means no entry is selected.
class TComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(int Left READ x WRITE setLeft)
    Q_PROPERTY(int Top READ y WRITE setTop)
    Q_PROPERTY(int Width READ width WRITE setWidth)
    Q_PROPERTY(int Height READ height WRITE setHeight)
    Q_PROPERTY(Controls::TAnchors Anchors READ anchors WRITE setAnchors)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(bool Visible READ visibleFlag WRITE setVisible)
    Q_PROPERTY(StdCtrls::TComboBoxStyle Style READ comboStyle WRITE setComboStyle)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(int ItemHeight READ itemHeight WRITE setItemHeight)
    Q_PROPERTY(QStringList Items READ items WRITE setItems)
    Q_PROPERTY(int ItemIndex READ itemIndex WRITE setItemIndex)
    Q_PROPERTY(int TabOrder READ tabOrder WRITE setTabOrder)
    Q_PROPERTY(TNotifyEvent OnChange READ onChange WRITE setOnChange)

public:
    explicit TComboBox(QWidget *parent = nullptr);

    void setLeft(int left) { setBounds(left, y(), width(), height()); }
    void setTop(int top) { setBounds(x(), top, width(), height()); }
    void setWidth(int width) { setBounds(x(), y(), width, height()); }
    void setHeight(int height) { setBounds(x(), y(), width(), height); }
    void setBounds(int left, int top, int width, int height);
    TAnchors anchors() const { return ControlAnchors(this); }
    void setAnchors(TAnchors anchors) { SetControlAnchors(this, anchors); }
    bool visibleFlag() const { return ControlVisibleFlag(this); }

    // Not named style(): that is the widget's QStyle.
    TComboBoxStyle comboStyle() const { return m_style; }
    void setComboStyle(TComboBoxStyle style);
    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);
    QStringList items() const;
    // Replaces the entries; the selection becomes none.
    void setItems(const QStringList &items);
    int itemIndex() const { return currentIndex(); }
    void setItemIndex(int index);
    int tabOrder() const { return m_tabOrder; }
    void setTabOrder(int order) { m_tabOrder = order; }

    TNotifyEvent onChange() const { return m_onChange; }
    void setOnChange(const TNotifyEvent &handler) { m_onChange = handler; }

private:
    TNotifyEvent m_onChange;
    TComboBoxStyle m_style = csDropDown;
    int m_itemHeight = 16;
    int m_tabOrder = -1;
};
