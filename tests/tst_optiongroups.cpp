#include "TComboBox.h"
#include "TLabel.h"
#include "TMainForm.h"
#include "TRadioPanel.h"
#include "TThreeJumper.h"
#include "TTwoJumper.h"

#include <QPushButton>
#include <QtTest>
#include <memory>

// The option groups of the real main window, each moved into a window of its
// own with a button outside the panel, the way a pop-up window holds it.
class tst_OptionGroups : public QObject
{
    Q_OBJECT

    std::unique_ptr<TMainForm> form;
    std::unique_ptr<QWidget> popup;
    QPushButton *done = nullptr;
    TRadioPanel *panel = nullptr;
    TComboBox *box = nullptr;

    void host(const QString &panelName)
    {
        panel = form->findChild<TRadioPanel *>(panelName);
        QVERIFY(panel);
        box = panel->findChild<TComboBox *>();
        QVERIFY(box);
        popup = std::make_unique<QWidget>();
        popup->setFont(form->font());
        popup->resize(panel->width(), panel->height() + 40);
        panel->setParent(popup.get());
        panel->move(0, 0);
        panel->setVisible(true);
        panel->setHosted(true);
        done = new QPushButton(QStringLiteral("Done"), popup.get());
        done->move(6, panel->height() + 6);
        done->setFocus();
        popup->show();
        QVERIFY(QTest::qWaitForWindowActive(popup.get()));
        QTRY_COMPARE(QApplication::focusWidget(), done);
    }

    // The user picks the entry below or above in the list.
    void choose(int key) { QTest::keyClick(box, Qt::Key(key)); }

    static void groups(bool threePins)
    {
        QTest::addColumn<QString>("panelName");
        QTest::addColumn<QString>("jumperName");
        if (threePins) {
            QTest::newRow("BEN") << "BENPanel"
                                 << "ClockJumper";
            QTest::newRow("Int") << "IntPanel"
                                 << "IntJumper";
        } else {
            QTest::newRow("IRQT") << "IRQTPanel"
                                  << "IRQTJumper";
            QTest::newRow("IRQD") << "IRQDPanel"
                                  << "IRQDJumper";
        }
    }

private slots:
    void init()
    {
        QCursor::setPos(0, 799);
        form = std::make_unique<TMainForm>();
    }

    void cleanup()
    {
        popup.reset();
        form.reset();
    }

    // The design as it is stored: positions, captions, lists and jumper settings.
    void design_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("parentName");
        QTest::addColumn<QRect>("bounds"); // labels: position only
        QTest::addColumn<QString>("text"); // label caption, list items or jumper state
        auto row = [](const char *name, const char *cls, const char *parent, QRect r,
                      const char *text) {
            QTest::newRow(name) << name << cls << parent << r << text;
        };
        row("BENPanel", "TRadioPanel", "", {589, 22, 204, 99}, "");
        row("ClockBox", "TComboBox", "BENPanel", {15, 35, 130, 21},
            "Always Enabled|Software Enabled");
        row("ClockJumper", "TThreeJumper", "BENPanel", {161, 25, 18, 43}, "jsRight otRight");
        row("Label13", "TLabel", "BENPanel", {160, 9, 0, 0}, "TST");
        row("Label14", "TLabel", "BENPanel", {159, 72, 0, 0}, "BEN");
        row("IRQDPanel", "TRadioPanel", "", {-82, 72, 195, 93}, "");
        row("IRQDBox", "TComboBox", "IRQDPanel", {29, 13, 133, 21}, "Disabled|Enabled");
        row("IRQDJumper", "TTwoJumper", "IRQDPanel", {78, 60, 34, 18}, "open otUp");
        row("Label23", "TLabel", "IRQDPanel", {79, 45, 0, 0}, "IRQD bold");
        row("IRQTPanel", "TRadioPanel", "", {128, 176, 194, 89}, "");
        row("IRQTBox", "TComboBox", "IRQTPanel", {26, 11, 137, 21}, "Disabled|Enabled");
        row("IRQTJumper", "TTwoJumper", "IRQTPanel", {80, 56, 34, 18}, "open otUp");
        row("Label1", "TLabel", "IRQTPanel", {82, 38, 0, 0}, "IRQT bold");
        row("IntPanel", "TRadioPanel", "", {160, 424, 194, 100}, "");
        row("IntBox", "TComboBox", "IntPanel", {24, 16, 145, 21},
            "Select External|Select Internal");
        row("IntJumper", "TThreeJumper", "IntPanel", {72, 64, 43, 18}, "jsRight otUp");
        row("Label2", "TLabel", "IntPanel", {56, 48, 0, 0}, "INT bold");
        row("Label3", "TLabel", "IntPanel", {104, 48, 0, 0}, "EXT bold");
    }

    void design()
    {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QString, parentName);
        QFETCH(QRect, bounds);
        QFETCH(QString, text);
        auto *w = form->findChild<QWidget *>(name);
        QVERIFY(w);
        QCOMPARE(QLatin1String(w->metaObject()->className()), className);
        if (parentName.isEmpty())
            QCOMPARE(w->parentWidget(), form->clientArea());
        else
            QCOMPARE(w->parentWidget()->objectName(), parentName);
        QCOMPARE(w->pos(), bounds.topLeft());
        if (auto *p = qobject_cast<TRadioPanel *>(w)) {
            QCOMPARE(p->size(), bounds.size());
            QVERIFY(!p->visibleFlag());
            QVERIFY(!p->radioEnabled());
            QCOMPARE(p->memoHeight(), 58);
            QCOMPARE(p->finalAnchors(), TAnchors(akLeft | akTop));
            QCOMPARE(p->bevelOuter(), bvNone);
            QVERIFY(!p->lines().isEmpty());
            QVERIFY(p->onEnter());
        } else if (auto *b = qobject_cast<TComboBox *>(w)) {
            QCOMPARE(b->size(), bounds.size());
            QCOMPARE(b->items().join(QLatin1Char('|')), text);
            QCOMPARE(b->itemIndex(), -1);
            QVERIFY(!b->isEditable());
            QCOMPARE(b->itemHeight(), 13);
            QCOMPARE(b->tabOrder(), 0);
            QVERIFY(b->onChange());
        } else if (auto *l = qobject_cast<TLabel *>(w)) {
            const QStringList parts = text.split(QLatin1Char(' '));
            QCOMPARE(l->caption(), parts[0]);
            QCOMPARE(l->font().bold(), parts.size() > 1);
            QCOMPARE(l->size(), l->fontMetrics().size(0, l->caption()));
        } else {
            auto *j = static_cast<TJumper *>(w);
            QCOMPARE(j->size(), bounds.size());
            QVERIFY(j->onClick());
            const QStringList parts = text.split(QLatin1Char(' '));
            if (auto *two = qobject_cast<TTwoJumper *>(j))
                QCOMPARE(two->closed(), parts[0] == QLatin1String("closed"));
            else
                QCOMPARE(QLatin1String(QMetaEnum::fromType<TJumperState>().valueToKey(
                             static_cast<TThreeJumper *>(j)->jumperState())),
                         parts[0]);
            QCOMPARE(
                QLatin1String(QMetaEnum::fromType<TOrientationType>().valueToKey(j->orientation())),
                parts[1]);
            // A design stores vertical jumpers in their turned size: painting keeps it.
            j->grab();
            QCOMPARE(j->size(), bounds.size());
        }
    }

    void twoPinEnterResetsListOnly_data() { groups(false); }
    void twoPinEnterResetsListOnly()
    {
        QFETCH(QString, panelName);
        QFETCH(QString, jumperName);
        host(panelName);
        auto *jumper = panel->findChild<TTwoJumper *>(jumperName);
        box->setFocus();
        QCOMPARE(box->itemIndex(), 0);
        QVERIFY(!jumper->closed());
        choose(Qt::Key_Down);
        QCOMPARE(box->currentText(), QStringLiteral("Enabled"));
        QVERIFY(jumper->closed());
        done->setFocus();
        box->setFocus();
        QCOMPARE(box->currentText(), QStringLiteral("Disabled"));
        QVERIFY(jumper->closed());
    }

    void twoPinListSetsJumper_data() { groups(false); }
    void twoPinListSetsJumper()
    {
        QFETCH(QString, panelName);
        QFETCH(QString, jumperName);
        host(panelName);
        auto *jumper = panel->findChild<TTwoJumper *>(jumperName);
        box->setFocus();
        choose(Qt::Key_Down);
        QVERIFY(jumper->closed());
        choose(Qt::Key_Up);
        QVERIFY(!jumper->closed());
        // Code setting the selection is no choice of the user's.
        box->setItemIndex(1);
        QVERIFY(!jumper->closed());
        // No selection: -1 AND 1 is 1, so the change handler closes the jumper.
        box->setItemIndex(-1);
        box->onChange()(box);
        QVERIFY(jumper->closed());
    }

    void twoPinJumperSetsList_data() { groups(false); }
    void twoPinJumperSetsList()
    {
        QFETCH(QString, panelName);
        QFETCH(QString, jumperName);
        host(panelName);
        auto *jumper = panel->findChild<TTwoJumper *>(jumperName);
        QCOMPARE(box->itemIndex(), -1);
        const QList<bool> closed = {true, false, true};
        for (bool c : closed) {
            QTest::mouseClick(jumper, Qt::LeftButton, {}, QPoint(3, 3));
            QCOMPARE(jumper->closed(), c);
            QCOMPARE(box->itemIndex(), c ? 1 : 0);
        }
    }

    void threePinEnterResetsListOnly_data() { groups(true); }
    void threePinEnterResetsListOnly()
    {
        QFETCH(QString, panelName);
        QFETCH(QString, jumperName);
        host(panelName);
        auto *jumper = panel->findChild<TThreeJumper *>(jumperName);
        // Entering shows the first entry, which matches the design's jumper.
        panel->setFocus();
        QCOMPARE(box->itemIndex(), 0);
        QCOMPARE(jumper->jumperState(), jsRight);
        box->setFocus();
        choose(Qt::Key_Down);
        QCOMPARE(jumper->jumperState(), jsLeft);
        done->setFocus();
        box->setFocus();
        QCOMPARE(box->itemIndex(), 0);
        QCOMPARE(jumper->jumperState(), jsLeft);
    }

    void threePinListSetsJumper_data() { groups(true); }
    void threePinListSetsJumper()
    {
        QFETCH(QString, panelName);
        QFETCH(QString, jumperName);
        host(panelName);
        auto *jumper = panel->findChild<TThreeJumper *>(jumperName);
        box->setFocus();
        choose(Qt::Key_Down);
        QCOMPARE(jumper->jumperState(), jsLeft);
        choose(Qt::Key_Up);
        QCOMPARE(jumper->jumperState(), jsRight);
        box->setItemIndex(1);
        QCOMPARE(jumper->jumperState(), jsRight);
        // No selection puts the cap on the left pair.
        box->setItemIndex(-1);
        box->onChange()(box);
        QCOMPARE(jumper->jumperState(), jsLeft);
    }

    // Clicks alternate between the pairs; the open state never stays, although allowed.
    void threePinJumperSetsList_data() { groups(true); }
    void threePinJumperSetsList()
    {
        QFETCH(QString, panelName);
        QFETCH(QString, jumperName);
        host(panelName);
        auto *jumper = panel->findChild<TThreeJumper *>(jumperName);
        QVERIFY(jumper->allowOpen());
        const QList<TJumperState> states = {jsLeft, jsRight, jsLeft, jsRight};
        for (TJumperState s : states) {
            QTest::mouseClick(jumper, Qt::LeftButton, {}, QPoint(3, 3));
            QCOMPARE(jumper->jumperState(), s);
            QCOMPARE(box->itemIndex(), s == jsLeft ? 1 : 0);
        }
    }
};

QTEST_MAIN(tst_OptionGroups)
#include "tst_optiongroups.moc"
