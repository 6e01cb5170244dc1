#include "TMainForm.h"

#include "DesignLoader.h"
#include "SetupCtrls.h"
#include "TComboBox.h"
#include "TRadioPanel.h"
#include "TThreeJumper.h"
#include "TTwoJumper.h"

namespace {

// Two-pin groups: the odd entry ("Enabled") means the cap is fitted.
void twoPinBoxChange(TComboBox *box, TTwoJumper *jumper)
{
    if (box && jumper)
        jumper->setClosed((box->itemIndex() & 1) != 0);
}

void twoPinJumperClick(TComboBox *box, TTwoJumper *jumper)
{
    if (box && jumper)
        box->setItemIndex(jumper->closed() ? 1 : 0);
}

// Three-pin groups: the first entry puts the cap on the right pair, any other
// choice (or none) on the left pair.
void threePinBoxChange(TComboBox *box, TThreeJumper *jumper)
{
    if (box && jumper)
        jumper->setJumperState(box->itemIndex() == 0 ? jsRight : jsLeft);
}

// The cap never stays off: a click that took it off puts it on the left pair.
void threePinJumperClick(TComboBox *box, TThreeJumper *jumper)
{
    if (!box || !jumper)
        return;
    if (jumper->jumperState() == jsOpen)
        jumper->setJumperState(jsLeft);
    box->setItemIndex(jumper->jumperState() == jsLeft ? 1 : 0);
    if (const TNotifyEvent change = box->onChange())
        change(box);
}

void showFirstEntry(TComboBox *box)
{
    if (box)
        box->setItemIndex(0);
}

} // namespace

static void initResources()
{
    Q_INIT_RESOURCE(template);
}

TMainForm::TMainForm(QWidget *parent) : TMainForm(designFile(), parent) {}

TMainForm::TMainForm(const QString &designFile, QWidget *parent) : TForm(parent)
{
    initResources();
    RegisterSetupCtrls();
    LoadDesign(this, designFile);
    for (QObject *c : findChildren<QObject *>()) {
        if (!c->objectName().isEmpty() && !m_components.contains(c->objectName()))
            m_components.insert(c->objectName(), c);
    }
}

QString TMainForm::designFile()
{
    return QStringLiteral(":/template/MainForm.json");
}

void TMainForm::Exit2Click(QObject *)
{
    close();
}

void TMainForm::Howtousethisprogram1Click(QObject *)
{
    // The instructions window comes with the setup supporter.
}

void TMainForm::TechnicalSupport1Click(QObject *)
{
    // The technical-support window comes with the setup supporter.
}

TRadioPanel *TMainForm::IRQTPanel() const
{
    return component<TRadioPanel>("IRQTPanel");
}

TComboBox *TMainForm::IRQTBox() const
{
    return component<TComboBox>("IRQTBox");
}

TTwoJumper *TMainForm::IRQTJumper() const
{
    return component<TTwoJumper>("IRQTJumper");
}

TRadioPanel *TMainForm::IRQDPanel() const
{
    return component<TRadioPanel>("IRQDPanel");
}

TComboBox *TMainForm::IRQDBox() const
{
    return component<TComboBox>("IRQDBox");
}

TTwoJumper *TMainForm::IRQDJumper() const
{
    return component<TTwoJumper>("IRQDJumper");
}

TRadioPanel *TMainForm::BENPanel() const
{
    return component<TRadioPanel>("BENPanel");
}

TComboBox *TMainForm::ClockBox() const
{
    return component<TComboBox>("ClockBox");
}

TThreeJumper *TMainForm::ClockJumper() const
{
    return component<TThreeJumper>("ClockJumper");
}

TRadioPanel *TMainForm::IntPanel() const
{
    return component<TRadioPanel>("IntPanel");
}

TComboBox *TMainForm::IntBox() const
{
    return component<TComboBox>("IntBox");
}

TThreeJumper *TMainForm::IntJumper() const
{
    return component<TThreeJumper>("IntJumper");
}

void TMainForm::IRQTPanelEnter(QObject *)
{
    showFirstEntry(IRQTBox());
}

void TMainForm::IRQTBoxChange(QObject *)
{
    twoPinBoxChange(IRQTBox(), IRQTJumper());
}

void TMainForm::IRQTJumperClick(QObject *)
{
    twoPinJumperClick(IRQTBox(), IRQTJumper());
}

void TMainForm::IRQDPanelEnter(QObject *)
{
    showFirstEntry(IRQDBox());
}

void TMainForm::IRQDBoxChange(QObject *)
{
    twoPinBoxChange(IRQDBox(), IRQDJumper());
}

void TMainForm::IRQDJumperClick(QObject *)
{
    twoPinJumperClick(IRQDBox(), IRQDJumper());
}

void TMainForm::BENPanelEnter(QObject *)
{
    showFirstEntry(ClockBox());
}

void TMainForm::ClockBoxChange(QObject *)
{
    threePinBoxChange(ClockBox(), ClockJumper());
}

void TMainForm::ClockJumperClick(QObject *)
{
    threePinJumperClick(ClockBox(), ClockJumper());
}

void TMainForm::IntPanelEnter(QObject *)
{
    showFirstEntry(IntBox());
}

void TMainForm::IntBoxChange(QObject *)
{
    threePinBoxChange(IntBox(), IntJumper());
}

void TMainForm::IntJumperClick(QObject *)
{
    threePinJumperClick(IntBox(), IntJumper());
}
