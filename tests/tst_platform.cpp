#include "ClassName.h"
#include "Controls.h"
#include "Rounding.h"
#include "TColor.h"
#include "TComponent.h"
#include "TControl.h"
#include "TForm.h"

#include <QApplication>
#include <QtTest>

class TBase : public QObject
{
    Q_OBJECT
};
class TDerived : public TBase
{
    Q_OBJECT
};

class tst_Platform : public QObject
{
    Q_OBJECT

private slots:
    void colorValues_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QColor>("shown");
        const QPalette pal = QApplication::palette();
        QTest::newRow("clRed is the low byte") << "clRed" << qint64(0x0000FF) << QColor(255, 0, 0);
        QTest::newRow("clBlue is the high byte")
            << "clBlue" << qint64(0xFF0000) << QColor(0, 0, 255);
        QTest::newRow("clMaroon") << "clMaroon" << qint64(0x000080) << QColor(128, 0, 0);
        QTest::newRow("clYellow") << "clYellow" << qint64(0x00FFFF) << QColor(255, 255, 0);
        QTest::newRow("hex with $") << "$00336699" << qint64(0x336699) << QColor(0x99, 0x66, 0x33);
        QTest::newRow("decimal") << "16777215" << qint64(0xFFFFFF) << QColor(255, 255, 255);
        QTest::newRow("clBtnFace follows the palette")
            << "clBtnFace" << qint64(qint32(0x8000000Fu)) << pal.color(QPalette::Button);
        QTest::newRow("clWindowText follows the palette")
            << "0x80000008" << qint64(qint32(0x80000008u)) << pal.color(QPalette::WindowText);
    }

    void colorValues()
    {
        QFETCH(QString, text);
        QFETCH(qint64, value);
        QFETCH(QColor, shown);
        TColor color;
        QVERIFY(TColor::fromString(text, &color));
        QCOMPARE(qint64(qint32(color)), value);
        QCOMPARE(color.toQColor(), shown);
        TColor again;
        QVERIFY(TColor::fromString(color.toString(), &again));
        QCOMPARE(again, color);
    }

    void colorRejectsJunk()
    {
        TColor color = clGray;
        QVERIFY(!TColor::fromString("clPuce", &color));
        QVERIFY(!TColor::fromString("$1FFFFFFFF", &color));
        QVERIFY(!TColor::fromString("", &color));
        QCOMPARE(color, clGray);
    }

    void rounding_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("4.5 to even 4") << 4.5 << 4;
        QTest::newRow("5.5 to even 6") << 5.5 << 6;
        QTest::newRow("0.5 to 0") << 0.5 << 0;
        QTest::newRow("-2.5 to -2") << -2.5 << -2;
        QTest::newRow("2.51 up") << 2.51 << 3;
        QTest::newRow("-1.49 to -1") << -1.49 << -1;
    }

    void rounding()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(Round(value), rounded);
        QCOMPARE(Round(float(value)), rounded);
    }

    void classNameTests()
    {
        TDerived derived;
        QVERIFY(IsClass(&derived, "TDerived"));
        QVERIFY(!IsClass(&derived, "TBase"));
        QVERIFY(InheritsClass(&derived, "TBase"));
        QVERIFY(!InheritsClass(&derived, "TForm"));
        QVERIFY(!IsClass(nullptr, "TDerived"));
    }

    void uniqueNames()
    {
        TForm owner;
        QCOMPARE(UniqueComponentName(&owner, "Settings"), QString("Settings1"));
        auto *a = new QObject(&owner);
        a->setObjectName("Settings1");
        // A control in the client area is the owner's component too.
        auto *b = new QWidget(owner.clientArea());
        b->setObjectName("Settings2");
        QCOMPARE(UniqueComponentName(&owner, "Settings"), QString("Settings3"));
        delete a;
        QCOMPARE(UniqueComponentName(&owner, "Settings"), QString("Settings1"));
    }

    void componentState()
    {
        QObject o;
        QVERIFY(!IsDesigning(&o) && !IsLoading(&o));
        SetComponentState(&o, csDesigning);
        QVERIFY(IsDesigning(&o) && !IsLoading(&o));
    }

    void anchors_data()
    {
        QTest::addColumn<QString>("anchors");
        QTest::addColumn<bool>("hiddenParent");
        QTest::addColumn<QRect>("after");
        // Child at (10, 20, 30, 40) in a 200 x 100 parent that grows to 300 x 150.
        QTest::newRow("left top stays") << "[akLeft, akTop]" << false << QRect(10, 20, 30, 40);
        QTest::newRow("right bottom moves")
            << "[akRight, akBottom]" << false << QRect(110, 70, 30, 40);
        QTest::newRow("all four stretch")
            << "[akLeft, akTop, akRight, akBottom]" << false << QRect(10, 20, 130, 90);
        QTest::newRow("bottom only centres horizontally")
            << "[akBottom]" << false << QRect(22, 70, 30, 40);
        QTest::newRow("hidden parent resized before showing")
            << "[akRight, akBottom]" << true << QRect(110, 70, 30, 40);
    }

    void anchors()
    {
        QFETCH(QString, anchors);
        QFETCH(bool, hiddenParent);
        QFETCH(QRect, after);
        QWidget parent;
        parent.resize(200, 100);
        if (!hiddenParent) {
            parent.show();
            QVERIFY(QTest::qWaitForWindowExposed(&parent));
        }
        auto *child = new TControl(&parent);
        child->setBounds(10, 20, 30, 40);
        const QMetaEnum e = QMetaEnum::fromType<TAnchors>();
        bool ok = false;
        const QString keys = QString(anchors).remove('[').remove(']').replace(", ", "|");
        child->setAnchors(TAnchors(e.keysToValue(keys.toLatin1(), &ok)));
        QVERIFY(ok);
        parent.resize(300, 150);
        if (hiddenParent) {
            parent.show();
            QVERIFY(QTest::qWaitForWindowExposed(&parent));
        }
        QTRY_COMPARE(child->geometry(), after);
    }

    void alignTopSpansWidth()
    {
        QWidget parent;
        parent.resize(200, 100);
        auto *bar = new TControl(&parent);
        bar->setBounds(5, 50, 10, 24);
        bar->setAlign(alTop);
        QCOMPARE(bar->geometry(), QRect(0, 0, 200, 24));
        parent.show();
        parent.resize(320, 100);
        QTRY_COMPARE(bar->geometry(), QRect(0, 0, 320, 24));
    }

    void formOuterAndClientSizes()
    {
        TForm form;
        form.setClientWidth(305);
        form.setClientHeight(120);
        QCOMPARE(form.clientWidth(), 305);
        QCOMPARE(form.clientHeight(), 120);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.clientWidth(), 305);
        QCOMPARE(form.clientHeight(), 120);
        // The outer size includes the frame the platform draws around the window.
        QCOMPARE(form.outerWidth(), form.frameGeometry().width());
        QVERIFY(form.outerWidth() >= form.clientWidth());
        QCOMPARE(TForm::formOfClientArea(form.clientArea()), &form);
        QCOMPARE(TForm::formOfClientArea(&form), nullptr);
    }
};

QTEST_MAIN(tst_Platform)
#include "tst_platform.moc"
