#include "TComponent.h"
#include "TRadioPanel.h"
#include "TThreeJumper.h"
#include "TTwoJumper.h"

#include <QLineEdit>
#include <QMetaProperty>
#include <QtTest>

namespace {

QString propertyText(const QObject *o, const char *name)
{
    const QMetaProperty p = o->metaObject()->property(o->metaObject()->indexOfProperty(name));
    const QVariant v = p.read(o);
    if (p.isFlagType())
        return QString::fromLatin1(p.enumerator().valueToKeys(v.toInt()));
    if (p.isEnumType())
        return QString::fromLatin1(p.enumerator().valueToKey(v.toInt()));
    if (v.metaType() == QMetaType::fromType<TColor>())
        return v.value<TColor>().toString();
    if (v.metaType() == QMetaType::fromType<QStringList>())
        return v.toStringList().join(QLatin1Char('|'));
    return v.toString();
}

QString bits(const TRadioPanel &panel)
{
    QString s;
    for (TTwoJumper *j : panel.findChildren<TTwoJumper *>(Qt::FindDirectChildrenOnly))
        s += j->closed() ? QLatin1Char('1') : QLatin1Char('0');
    return s;
}

} // namespace

class tst_RadioPanel : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data()
    {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("value");
        QTest::newRow("RadioEnabled") << "RadioEnabled"
                                      << "false";
        QTest::newRow("Lines") << "Lines"
                               << "";
        QTest::newRow("MemoHeight") << "MemoHeight"
                                    << "58";
        QTest::newRow("Align") << "Align"
                               << "alNone";
        QTest::newRow("Anchors") << "Anchors"
                                 << "akLeft|akTop";
        QTest::newRow("FinalAnchors") << "FinalAnchors"
                                      << "akLeft|akTop";
        QTest::newRow("BevelOuter") << "BevelOuter"
                                    << "bvNone";
        QTest::newRow("Color") << "Color"
                               << "clBtnFace";
        QTest::newRow("Visible") << "Visible"
                                 << "false";
        QTest::newRow("Width") << "Width"
                               << "194";
        QTest::newRow("Height") << "Height"
                                << "100";
    }

    void defaults()
    {
        QFETCH(QString, property);
        QFETCH(QString, value);
        TRadioPanel panel;
        QCOMPARE(propertyText(&panel, property.toLatin1().constData()), value);
        QVERIFY(!panel.hosted());
        QVERIFY(!panel.popupMemo());
        QVERIFY(!panel.designHidden());
    }

    // A panel shows its colour and bevels, never its name.
    void paint_data()
    {
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("inner");
        QTest::addColumn<int>("border");
        QTest::addColumn<QList<QPoint>>("points");
        QTest::addColumn<QList<int>>("colours"); // QPalette roles, -1 for the panel colour
        const int face = -1;
        QTest::newRow("plain") << int(bvNone) << int(bvNone) << int(bsNone)
                               << QList<QPoint>{{0, 0}, {193, 99}, {97, 50}}
                               << QList<int>{face, face, face};
        QTest::newRow("raised outer") << int(bvRaised) << int(bvNone) << int(bsNone)
                                      << QList<QPoint>{{0, 0}, {193, 99}, {1, 1}}
                                      << QList<int>{QPalette::Light, QPalette::Dark, face};
        QTest::newRow("lowered inner") << int(bvNone) << int(bvLowered) << int(bsNone)
                                       << QList<QPoint>{{0, 0}, {193, 99}, {1, 1}}
                                       << QList<int>{QPalette::Dark, QPalette::Light, face};
        QTest::newRow("single border outside raised bevel")
            << int(bvRaised) << int(bvNone) << int(bsSingle)
            << QList<QPoint>{{0, 0}, {1, 1}, {192, 98}, {2, 2}}
            << QList<int>{QPalette::Shadow, QPalette::Light, QPalette::Dark, face};
    }

    void paint()
    {
        QFETCH(int, outer);
        QFETCH(int, inner);
        QFETCH(int, border);
        QFETCH(QList<QPoint>, points);
        QFETCH(QList<int>, colours);
        TRadioPanel panel;
        panel.setObjectName(QStringLiteral("BENPanel"));
        panel.setColor(clYellow); // unlike any palette colour
        panel.setBevelOuter(TBevelCut(outer));
        panel.setBevelInner(TBevelCut(inner));
        panel.setBorderStyle(TBorderStyle(border));
        const QImage image = panel.grab().toImage();
        for (int i = 0; i < points.size(); ++i) {
            const QColor expected = colours[i] == -1 ? QColor(Qt::yellow)
                                    : colours[i] == QPalette::Shadow
                                        ? QColor(Qt::black)
                                        : panel.palette().color(QPalette::ColorRole(colours[i]));
            QCOMPARE(image.pixel(points[i]), expected.rgb());
        }
        if (outer == bvNone && inner == bvNone) {
            // No caption: every pixel is the panel colour.
            int other = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    other += image.pixel(x, y) == qRgb(255, 255, 0) ? 0 : 1;
            QCOMPARE(other, 0);
        }
    }

    void finalAnchors_data()
    {
        QTest::addColumn<bool>("hostedFirst");
        QTest::addColumn<QString>("anchorsAfterWrite");
        QTest::newRow("not hosted keeps its anchors") << false << "akLeft|akTop";
        QTest::newRow("hosted takes them at once") << true << "akLeft|akTop|akRight|akBottom";
    }

    void finalAnchors()
    {
        QFETCH(bool, hostedFirst);
        QFETCH(QString, anchorsAfterWrite);
        QWidget window;
        TRadioPanel panel(&window);
        panel.setHosted(hostedFirst);
        panel.setFinalAnchors(akLeft | akTop | akRight | akBottom);
        QCOMPARE(propertyText(&panel, "Anchors"), anchorsAfterWrite);
        panel.setHosted(true);
        QCOMPARE(propertyText(&panel, "Anchors"), QStringLiteral("akLeft|akTop|akRight|akBottom"));
    }

    // jumpers: initial Closed of each two-pin jumper; clicks: index clicked in turn;
    // after: Closed of every jumper after each click; events: OnRadioChange count after each.
    void selectJumper_data()
    {
        QTest::addColumn<bool>("radioEnabled");
        QTest::addColumn<QString>("jumpers");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QList<int>>("events");
        QTest::newRow("rule off: each toggles on its own")
            << false << "01" << QList<int>{0, 0, 1} << QStringList{"11", "01", "00"}
            << QList<int>{0, 0, 0};
        QTest::newRow("one jumper: first click silent, later clicks report")
            << true << "0" << QList<int>{0, 0, 0} << QStringList{"1", "1", "1"}
            << QList<int>{0, 1, 2};
        QTest::newRow("closing one opens the other")
            << true << "01" << QList<int>{0, 1, 1} << QStringList{"10", "01", "01"}
            << QList<int>{1, 2, 3};
        QTest::newRow("closing the only open one of three")
            << true << "000" << QList<int>{2, 0} << QStringList{"001", "100"} << QList<int>{0, 1};
    }

    void selectJumper()
    {
        QFETCH(bool, radioEnabled);
        QFETCH(QString, jumpers);
        QFETCH(QList<int>, clicks);
        QFETCH(QStringList, after);
        QFETCH(QList<int>, events);
        TRadioPanel panel;
        panel.setRadioEnabled(radioEnabled);
        QList<TTwoJumper *> list;
        for (QChar c : jumpers) {
            // A three-pin jumper between them is no part of the rule.
            new TThreeJumper(&panel);
            list << new TTwoJumper(&panel);
            list.last()->setClosed(c == QLatin1Char('1'));
        }
        int count = 0;
        QObject *sender = nullptr;
        panel.setOnRadioChange(TNotifyEvent([&](QObject *s) {
            ++count;
            sender = s;
        }));
        for (int i = 0; i < clicks.size(); ++i) {
            sender = nullptr;
            const int before = count;
            list[clicks[i]]->Click();
            QCOMPARE(bits(panel), after[i]);
            QCOMPARE(count, events[i]);
            if (count > before)
                QCOMPARE(sender, list[clicks[i]]);
        }
        for (TThreeJumper *three : panel.findChildren<TThreeJumper *>())
            QCOMPARE(three->jumperState(), jsOpen);
    }

    // Focus moves as the names say, '-' activating another window and '+' coming
    // back; the log lists the enter and exit events raised.
    void enterExit_data()
    {
        QTest::addColumn<QStringList>("moves");
        QTest::addColumn<QStringList>("log");
        QTest::newRow("into the panel") << QStringList{"outside", "a"} << QStringList{"enter P"};
        QTest::newRow("panel itself") << QStringList{"outside", "P"} << QStringList{"enter P"};
        QTest::newRow("within the panel") << QStringList{"a", "b", "P"} << QStringList{"enter P"};
        QTest::newRow("out of the panel")
            << QStringList{"a", "outside"} << QStringList{"enter P", "exit P"};
        QTest::newRow("nested: outer before inner, inner exits first")
            << QStringList{"outside", "c", "b", "outside"}
            << QStringList{"enter P", "enter Q", "exit Q", "exit P"};
        QTest::newRow("another window and back is no move")
            << QStringList{"a", "-", "+"} << QStringList{"enter P"};
    }

    void enterExit()
    {
        QFETCH(QStringList, moves);
        QFETCH(QStringList, log);
        QWidget window;
        window.resize(300, 200);
        auto *outside = new QLineEdit(&window);
        outside->setObjectName(QStringLiteral("outside"));
        auto *p = new TRadioPanel(&window);
        p->setObjectName(QStringLiteral("P"));
        p->setBounds(0, 40, 300, 150);
        p->setVisible(true);
        auto *a = new QLineEdit(p);
        a->setObjectName(QStringLiteral("a"));
        auto *b = new QLineEdit(p);
        b->setObjectName(QStringLiteral("b"));
        b->move(0, 30);
        auto *q = new TRadioPanel(p);
        q->setObjectName(QStringLiteral("Q"));
        q->setBounds(0, 60, 200, 50);
        q->setVisible(true);
        auto *c = new QLineEdit(q);
        c->setObjectName(QStringLiteral("c"));
        QStringList seen;
        for (TRadioPanel *panel : {p, q}) {
            panel->setOnEnter(TNotifyEvent(
                [&seen](QObject *s) { seen << QStringLiteral("enter ") + s->objectName(); }));
            panel->setOnExit(TNotifyEvent(
                [&seen](QObject *s) { seen << QStringLiteral("exit ") + s->objectName(); }));
        }
        QWidget other;
        auto *otherEdit = new QLineEdit(&other);

        outside->setFocus();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTRY_COMPARE(QApplication::focusWidget(), outside);
        seen.clear();
        for (const QString &move : moves) {
            if (move == QLatin1String("-")) {
                other.show();
                other.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&other));
                QTRY_COMPARE(QApplication::focusWidget(), otherEdit);
            } else if (move == QLatin1String("+")) {
                QWidget *before = window.focusWidget();
                window.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&window));
                QTRY_COMPARE(QApplication::focusWidget(), before);
            } else {
                auto *target = window.findChild<QWidget *>(move);
                if (move == QLatin1String("P"))
                    target = p;
                target->setFocus();
                QCOMPARE(QApplication::focusWidget(), target);
            }
        }
        QCOMPARE(seen, log);
    }

    void designModeFirstPaintHides_data()
    {
        QTest::addColumn<bool>("designing");
        QTest::newRow("design tool") << true;
        QTest::newRow("running") << false;
    }

    void designModeFirstPaintHides()
    {
        QFETCH(bool, designing);
        QWidget window;
        TRadioPanel panel(&window);
        if (designing)
            SetComponentState(&panel, csDesigning);
        panel.setVisible(true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        panel.grab();
        QCOMPARE(panel.visibleFlag(), !designing);
        QCOMPARE(panel.designHidden(), designing);
    }
};

QTEST_MAIN(tst_RadioPanel)
#include "tst_radiopanel.moc"
