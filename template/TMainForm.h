#pragma once

#include "TForm.h"

#include <QHash>
#include <QPointer>

class TBoardImage;
class TComboBox;
class TRadioPanel;
class TThreeJumper;
class TTwoJumper;

// The VX-7310 settings guide's main window. Everything on it comes from its
// design file; this class holds only the handlers the design names.
class TMainForm : public TForm
{
    Q_OBJECT

public:
    // Builds the window from its design; throws EDesignError when the design is broken.
    explicit TMainForm(QWidget *parent = nullptr);
    // For tests and tools: the same window from another design.
    TMainForm(const QString &designFile, QWidget *parent = nullptr);

    static QString designFile();

    // The option groups' components by their design names (null when the design lacks one).
    TRadioPanel *IRQTPanel() const;
    TComboBox *IRQTBox() const;
    TTwoJumper *IRQTJumper() const;
    TRadioPanel *IRQDPanel() const;
    TComboBox *IRQDBox() const;
    TTwoJumper *IRQDJumper() const;
    TRadioPanel *BENPanel() const;
    TComboBox *ClockBox() const;
    TThreeJumper *ClockJumper() const;
    TRadioPanel *IntPanel() const;
    TComboBox *IntBox() const;
    TThreeJumper *IntJumper() const;

public slots:
    void Exit2Click(QObject *Sender);
    void Howtousethisprogram1Click(QObject *Sender);
    void TechnicalSupport1Click(QObject *Sender);

    // Each option group keeps its list and its jumper drawing in step. Entering
    // a group's panel shows the list's first entry without touching the jumper.
    void IRQTPanelEnter(QObject *Sender);
    void IRQTBoxChange(QObject *Sender);
    void IRQTJumperClick(QObject *Sender);
    void IRQDPanelEnter(QObject *Sender);
    void IRQDBoxChange(QObject *Sender);
    void IRQDJumperClick(QObject *Sender);
    void BENPanelEnter(QObject *Sender);
    void ClockBoxChange(QObject *Sender);
    void ClockJumperClick(QObject *Sender);
    void IntPanelEnter(QObject *Sender);
    void IntBoxChange(QObject *Sender);
    void IntJumperClick(QObject *Sender);

private:
    // Looked up in the components the design made, which stay the form's even
    // when a panel moves into a pop-up window.
    template <typename T> T *component(const char *name) const
    {
        return qobject_cast<T *>(m_components.value(QLatin1String(name)).data());
    }

    QHash<QString, QPointer<QObject>> m_components;
};
