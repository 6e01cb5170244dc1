#include "TBoardImage.h"
#include "TMainForm.h"
#include "TMenu.h"

#include <QMenuBar>
#include <QPointer>
#include <QtTest>

class tst_MainForm : public QObject
{
    Q_OBJECT

private slots:
    void windowFromItsDesign()
    {
        TMainForm form;
        QCOMPARE(form.objectName(), QString("MainForm"));
        QCOMPARE(form.windowTitle(), QString("Setup"));
        QCOMPARE(form.windowStateValue(), wsMaximized);
        QCOMPARE(form.position(), poScreenCenter);
        QCOMPARE(form.color(), clWhite);
        QCOMPARE(form.clientArea()->palette().color(QPalette::Window), QColor(Qt::white));
        QCOMPARE(form.font().pixelSize(), 11);

        auto *board = form.findChild<TBoardImage *>("BoardImage1");
        QVERIFY(board);
        QCOMPARE(board->parentWidget(), form.clientArea());
        QCOMPARE(board->geometry(), QRect(70, 26, 517, 480));
        QVERIFY(!board->autoSize());
        QVERIFY(board->stretch());
        QCOMPARE(board->picture().size(), QSize(517, 480));
        QCOMPARE(board->menu(), form.findChild<TMainMenu *>("MainMenu1"));
    }

    void designedMenu()
    {
        TMainForm form;
        auto *menu = form.findChild<TMainMenu *>("MainMenu1");
        QVERIFY(menu);
        QCOMPARE(form.menu(), menu);
        QCOMPARE(form.menuBar(), menu->menuBar());

        // Top-level items and their entries, by component name and caption.
        QStringList shown;
        for (int i = 0; i < menu->Count(); ++i) {
            TMenuItem *top = menu->Items(i);
            QStringList entries;
            for (int j = 0; j < top->Count(); ++j)
                entries << top->Items(j)->objectName() + "=" + top->Items(j)->text();
            shown << top->objectName() + "=" + top->text() + " [" + entries.join(", ") + "]";
        }
        QCOMPARE(shown, QStringList({
                            "File1=&File [Exit2=&Exit]",
                            "Help1=&Help [Howtousethisprogram1=H&ow to use this program, "
                            "TechnicalSupport1=&Technical Support]",
                        }));
        // The bar shows the same items in the same order.
        const QList<QAction *> bar = form.menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar[0]->text(), QString("&File"));
        QCOMPARE(bar[1]->text(), QString("&Help"));
        QVERIFY(menu->Items(0)->Items(0)->onClick().assigned());
    }

    void shownMaximisedWithThePictureCentred()
    {
        TMainForm form;
        form.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.isMaximized());
        auto *board = form.findChild<TBoardImage *>("BoardImage1");
        QTRY_VERIFY(board->firstPaintDone());
        const QSize outer = form.frameGeometry().size();
        QTRY_COMPARE(board->pos(), QPoint((outer.width() - 517) / 2, (outer.height() - 480) / 2));
        QCOMPARE(board->size(), QSize(517, 480));
        QCOMPARE(QPoint(board->designLeft(), board->designTop()), QPoint(70, 26));

        // The photograph is what the board shows.
        const QImage shot = board->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage photo = board->picture().convertToFormat(QImage::Format_RGB32);
        for (const QPoint p : {QPoint(0, 0), QPoint(258, 240), QPoint(516, 479)})
            QCOMPARE(shot.pixel(p), photo.pixel(p));
    }

    void exitClosesTheWindowAndEndsTheProgram()
    {
        QPointer<TMainForm> form = new TMainForm;
        form->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<TBoardImage> board = form->findChild<TBoardImage *>("BoardImage1");
        form->Show();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        auto *exitItem = form->findChild<TMenuItem *>("Exit2");
        QVERIFY(exitItem);
        exitItem->trigger();
        QTRY_VERIFY(!form);
        // No window is left open, so the application's event loop ends.
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        QVERIFY(!board); // closing destroys every component
    }
};

QTEST_MAIN(tst_MainForm)
#include "tst_mainform.moc"
