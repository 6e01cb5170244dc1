#include "MessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class tst_MessageBox : public QObject
{
    Q_OBJECT

private slots:
    void flagWords_data()
    {
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<QList<int>>("buttons");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("escapeButton");
        QTest::addColumn<int>("icon");
        QTest::addColumn<bool>("topmost");
        using B = QMessageBox;
        QTest::newRow("0x50030: OK, exclamation, topmost, foreground")
            << 0x50030u << QList<int>{B::Ok} << int(B::Ok) << int(B::Ok) << int(B::Warning) << true;
        QTest::newRow("0x50135: Retry/Cancel, Cancel default")
            << 0x50135u << QList<int>{B::Retry, B::Cancel} << int(B::Cancel) << int(B::Cancel)
            << int(B::Warning) << true;
        QTest::newRow("Yes/No, question")
            << unsigned(MB_YESNO | MB_ICONQUESTION) << QList<int>{B::Yes, B::No} << int(B::Yes)
            << int(B::No) << int(B::Question) << false;
        QTest::newRow("error box") << unsigned(MB_OK | MB_ICONERROR) << QList<int>{B::Ok}
                                   << int(B::Ok) << int(B::Ok) << int(B::Critical) << false;
        QTest::newRow("default past the last button falls back to the last")
            << unsigned(MB_OK | MB_DEFBUTTON3) << QList<int>{B::Ok} << int(B::Ok) << int(B::Ok)
            << int(B::NoIcon) << false;
    }

    void flagWords()
    {
        QFETCH(unsigned, flags);
        QFETCH(QList<int>, buttons);
        QFETCH(int, defaultButton);
        QFETCH(int, escapeButton);
        QFETCH(int, icon);
        QFETCH(bool, topmost);
        std::unique_ptr<QMessageBox> box(CreateMessageBox("text", "caption", flags));
        QCOMPARE(box->text(), QString("text"));
        QCOMPARE(box->windowTitle(), QString("caption"));
        QList<int> shown;
        for (QAbstractButton *b : box->buttons())
            shown << int(box->standardButton(b));
        std::sort(shown.begin(), shown.end());
        std::sort(buttons.begin(), buttons.end());
        QCOMPARE(shown, buttons);
        QCOMPARE(int(box->standardButton(box->defaultButton())), defaultButton);
        QCOMPARE(int(box->standardButton(box->escapeButton())), escapeButton);
        QCOMPARE(int(box->icon()), icon);
        QCOMPARE(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint), topmost);
    }

    void answersMapToButtonIds_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("answer");
        QTest::newRow("ok") << int(QMessageBox::Ok) << int(IDOK);
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << int(IDCANCEL);
        QTest::newRow("retry") << int(QMessageBox::Retry) << int(IDRETRY);
        QTest::newRow("yes") << int(QMessageBox::Yes) << int(IDYES);
        QTest::newRow("no") << int(QMessageBox::No) << int(IDNO);
    }

    void answersMapToButtonIds()
    {
        QFETCH(int, button);
        QFETCH(int, answer);
        QCOMPARE(MessageBoxAnswer(nullptr, button), answer);
    }

    // A real modal box, answered by pressing its default button.
    void modalBoxReturnsTheChosenButton()
    {
        QTimer::singleShot(0, [] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->defaultButton()->click();
        });
        QCOMPARE(MessageBox("Retry?", "Total A/D failure", 0x50135), IDCANCEL);
    }

    void answererReplacesTheBox()
    {
        QString seen;
        SetMessageBoxAnswerer([&](const QString &text, const QString &caption, unsigned flags) {
            seen = QString("%1|%2|%3").arg(text, caption).arg(flags, 0, 16);
            return IDYES;
        });
        QCOMPARE(MessageBox("Synchronize?", "Confirm", MB_YESNO), IDYES);
        QCOMPARE(seen, QString("Synchronize?|Confirm|4"));
        SetMessageBoxAnswerer({});
    }
};

QTEST_MAIN(tst_MessageBox)
#include "tst_messagebox.moc"
