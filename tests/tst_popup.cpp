#include "MessageBox.h"
#include "OffscreenMain.h"
#include "TBoardHighlight.h"
#include "TBoardImage.h"
#include "TComponent.h"
#include "TMainForm.h"
#include "TMenu.h"
#include "TPopupForm.h"
#include "TRadioPanel.h"

#include <QPlainTextEdit>
#include <QPushButton>

// The fixture's board picture (400 x 300, designed at 10, 10) centres itself in
// the maximised 1280 x 1024 window at 440, 362.
class tst_Popup : public QObject
{
    Q_OBJECT

    std::unique_ptr<TMainForm> form;

    TBoardHighlight *h(const char *name) const { return form->findChild<TBoardHighlight *>(name); }
    TBoardImage *board() const { return form->findChild<TBoardImage *>("BoardImage1"); }
    TRadioPanel *panel(const char *name) const { return form->findChild<TRadioPanel *>(name); }
    TMenuItem *entry(const char *name) const { return form->findChild<TMenuItem *>(name); }

    // Shows the fixture and waits until every highlight in view has painted
    // (and so registered its menu entry).
    bool showFixture(TWindowState state = wsMaximized, QSize size = QSize())
    {
        form = std::make_unique<TMainForm>(":/fixtures/popups.json");
        form->setWindowStateValue(state);
        form->setPosition(poDesigned);
        if (size.isValid())
            form->setGeometry(QRect(QPoint(0, 0), size));
        form->Show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return false;
        QList<TBoardHighlight *> all;
        for (TBoardHighlight *x : form->findChildren<TBoardHighlight *>()) {
            if (!x->visibleRegion().isEmpty())
                all << x;
        }
        return QTest::qWaitFor([&] {
            return std::all_of(all.begin(), all.end(), [](auto *x) { return x->ringsBuilt(); });
        });
    }

    void pointAtNothing() { QTest::mouseMove(board(), QPoint(350, 250)); }

private slots:
    void init() { QCursor::setPos(1279, 1023); }
    void cleanup()
    {
        form.reset();
        SetMessageBoxAnswerer({});
    }

    // One highlight through sequences of pointer and menu actions.
    void stateMachine_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("pinned");
        QTest::addColumn<bool>("hot");
        QTest::addColumn<bool>("checked");
        const bool Y = true, N = false;
        QTest::newRow("hover opens") << QStringList{"enter"} << Y << N << Y << N;
        QTest::newRow("leaving elsewhere closes")
            << QStringList{"enter", "out"} << N << N << N << N;
        QTest::newRow("click pins") << QStringList{"enter", "click"} << Y << Y << Y << Y;
        QTest::newRow("pinned stays when leaving")
            << QStringList{"enter", "click", "out"} << Y << Y << Y << Y;
        QTest::newRow("into the pop-up pins")
            << QStringList{"enter", "intoPopup"} << Y << Y << Y << Y;
        QTest::newRow("then leaving the pop-up closes")
            << QStringList{"enter", "intoPopup", "leavePopup"} << N << Y << N << N;
        QTest::newRow("leaving a click-pinned pop-up keeps it")
            << QStringList{"enter", "click", "out", "leavePopup"} << Y << Y << Y << Y;
        QTest::newRow("entering again while pinned changes nothing")
            << QStringList{"enter", "click", "out", "enter"} << Y << Y << Y << Y;
        QTest::newRow("done closes") << QStringList{"enter", "click", "done"} << N << Y << N << N;
        QTest::newRow("re-shown unpinned")
            << QStringList{"enter", "click", "done", "enter"} << Y << N << Y << N;
        QTest::newRow("menu entry opens pinned") << QStringList{"menu"} << Y << Y << Y << Y;
        QTest::newRow("menu entry again closes") << QStringList{"menu", "menu"} << N << Y << N << N;
        QTest::newRow("close box closes")
            << QStringList{"enter", "click", "closeBox"} << N << Y << N << N;
    }

    void stateMachine()
    {
        QFETCH(QStringList, actions);
        QFETCH(bool, visible);
        QFETCH(bool, pinned);
        QFETCH(bool, hot);
        QFETCH(bool, checked);
        QVERIFY(showFixture());
        TBoardHighlight *b = h("B");
        for (const QString &a : actions) {
            if (a == "enter") {
                QTest::mouseMove(b, QPoint(15, 15));
            } else if (a == "out") {
                pointAtNothing();
            } else if (a == "click") {
                QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(15, 15));
            } else if (a == "intoPopup") {
                QTest::mouseMove(b->popup(), QPoint(b->popup()->width() / 2, 5));
            } else if (a == "leavePopup") {
                pointAtNothing();
                QEvent leave(QEvent::Leave);
                QCoreApplication::sendEvent(b->popup(), &leave);
            } else if (a == "done") {
                QTest::mouseClick(b->popup()->findChild<QPushButton *>("DoneButton"),
                                  Qt::LeftButton);
            } else if (a == "closeBox") {
                b->popup()->close();
            } else if (a == "menu") {
                entry("Beta1")->trigger();
            }
        }
        QVERIFY(b->popup());
        QCOMPARE(b->popup()->isVisible(), visible);
        QCOMPARE(b->pinned(), pinned);
        QCOMPARE(b->hot(), hot);
        QCOMPARE(entry("Beta1")->checked(), checked);
    }

    // Panel of height 99 with MemoHeight 58: client 194 x 208, the text box
    // from 100 to 158, the buttons from 164 to 189, the status bar from 189.
    void layoutWithAPanel()
    {
        QVERIFY(showFixture());
        TBoardHighlight *a1 = h("A1");
        TRadioPanel *p = panel("PanelA");
        QTest::mouseMove(a1, QPoint(15, 15));
        TPopupForm *popup = a1->popup();
        QVERIFY(popup && popup->isVisible());
        QCOMPARE(popup->windowTitle(), QString("Alpha"));
        QCOMPARE(popup->tag(), int(htSettings));
        QVERIFY(popup->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(popup->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QCOMPARE(popup->highlight(), a1);
        QCOMPARE(QSize(popup->clientWidth(), popup->clientHeight()), QSize(194, 208));
        QCOMPARE(popup->minimumSize(), QSize(194, 208));

        QCOMPARE(p->parentWidget(), popup->clientArea());
        QCOMPARE(p->geometry(), QRect(0, 0, 194, 99));
        QVERIFY(p->hosted() && p->isVisible());
        QCOMPARE(p->anchors(), p->finalAnchors());

        auto *memo = popup->findChild<QPlainTextEdit *>("StatusMemo");
        QVERIFY(memo);
        QCOMPARE(memo->geometry(), QRect(6, 100, 182, 58));
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->toPlainText(), QString("one\ntwo"));
        QCOMPARE(p->popupMemo(), memo);
        const QList<std::pair<const char *, QRect>> buttons = {
            {"PreviousButton", QRect(6, 164, 58, 25)},
            {"NextButton", QRect(68, 164, 58, 25)},
            {"DoneButton", QRect(130, 164, 58, 25)},
        };
        for (const auto &[name, rect] : buttons) {
            auto *button = popup->findChild<QPushButton *>(name);
            QVERIFY2(button, name);
            QCOMPARE(button->geometry(), rect);
        }
        QCOMPARE(popup->popupStatus()->objectName(), QString("PopupStatus"));
        QCOMPARE(popup->popupStatus()->geometry(), QRect(0, 189, 194, 19));
        // The panel has the focus, so its enter handler runs.
        QTRY_VERIFY(p->isAncestorOf(QApplication::focusWidget()) ||
                    QApplication::focusWidget() == p);

        // Anchored parts follow when the window grows.
        popup->resize(300, 260);
        QTRY_COMPARE(popup->findChild<QPushButton *>("DoneButton")->geometry(),
                     QRect(236, 216, 58, 25));
        QCOMPARE(memo->geometry(), QRect(6, 100, 288, 110));
        QCOMPARE(p->geometry(), QRect(0, 0, 194, 99));
    }

    void placement_data()
    {
        QTest::addColumn<QByteArray>("highlight");
        QTest::addColumn<TWindowState>("state");
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QSize>("size");
        // Designed place plus the board's shift (430, 352 when maximised).
        QTest::newRow("panel where designed")
            << QByteArray("A1") << wsMaximized << QSize() << QPoint(930, 752) << QSize(194, 208);
        QTest::newRow("pulled back from the right edge")
            << QByteArray("B") << wsMaximized << QSize() << QPoint(1060, 752) << QSize(220, 211);
        QTest::newRow("panel designed off the screen, board shifted")
            << QByteArray("D") << wsMaximized << QSize() << QPoint(348, 424) << QSize(195, 202);
        // In a window just as wide as the board, the board barely moves and the
        // designed Left of -82 would put the window off the screen.
        QTest::newRow("panel designed off the screen, pulled back to 0")
            << QByteArray("D") << wsNormal << QSize(420, 330) << QPoint(0, 77) << QSize(195, 202);
        QTest::newRow("no panel: 38 below the board")
            << QByteArray("N") << wsMaximized << QSize() << QPoint(440, 700) << QSize(194, 141);
    }

    void placement()
    {
        QFETCH(QByteArray, highlight);
        QFETCH(TWindowState, state);
        QFETCH(QSize, windowSize);
        QFETCH(QPoint, topLeft);
        QFETCH(QSize, size);
        QVERIFY(showFixture(state, windowSize));
        TBoardHighlight *x = h(highlight.constData());
        QTest::mouseMove(x, QPoint(15, 15));
        QVERIFY(x->popup() && x->popup()->isVisible());
        QCOMPARE(x->popup()->frameGeometry().topLeft(), topLeft);
        QCOMPARE(x->popup()->frameGeometry().size(), size);
    }

    void linkedSetActsAsOne()
    {
        QVERIFY(showFixture());
        TBoardHighlight *a1 = h("A1");
        TBoardHighlight *a2 = h("A2");
        QCOMPARE(a1->LinkedSet(), QList<TBoardHighlight *>({a1, a2}));
        QTest::mouseMove(a2, QPoint(15, 15));
        QVERIFY(a1->hot() && a2->hot());
        // The member entered first builds the one window; the other finds it.
        QVERIFY(a2->popup());
        QVERIFY(!a1->popup());
        int windows = 0;
        for (QWidget *w : QApplication::topLevelWidgets())
            windows += w->windowTitle() == "Alpha";
        QCOMPARE(windows, 1);
        // Active pop-up and pointer over it: both rings flare.
        QTRY_VERIFY(a1->popupActive() && a2->popupActive());
        QCOMPARE(&a1->currentImage(), &a1->flareImage());
        QCOMPARE(&a2->currentImage(), &a2->flareImage());

        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(a2->popup(), &deactivate);
        QVERIFY(!a1->popupActive() && !a2->popupActive());
        QCOMPARE(&a1->currentImage(), &a1->litImage());

        pointAtNothing();
        QVERIFY(!a2->popup()->isVisible());
        QVERIFY(!a1->hot() && !a2->hot());
        QCOMPARE(&a1->currentImage(), &a1->idleImage());
        // A highlight of another set is not part of it.
        QVERIFY(!h("B")->hot());
    }

    void startTourOpensFirstPinned()
    {
        QVERIFY(showFixture());
        QEvent tour(StartTourEventType());
        QCoreApplication::sendEvent(board(), &tour);
        TBoardHighlight *a1 = h("A1");
        QVERIFY(a1->popup() && a1->popup()->isVisible());
        QVERIFY(a1->pinned());
        QVERIFY(entry("Alpha1")->checked());
        QTRY_COMPARE(QApplication::activeWindow(), a1->popup());

        // A board picture without First does nothing.
        auto *second = form->findChild<TBoardImage *>("BoardImage2");
        QCoreApplication::sendEvent(second, &tour);
        QVERIFY(!h("G")->hot() && !h("G")->popup());
    }

    void radioPanelOfAnotherSetIsRefused_data()
    {
        QTest::addColumn<bool>("designing");
        QTest::addColumn<QString>("message");
        QTest::newRow("running: silently") << false << QString();
        QTest::newRow("designing: with a message")
            << true << QString("PanelA has already been assigned to A1.");
    }

    void radioPanelOfAnotherSetIsRefused()
    {
        QFETCH(bool, designing);
        QFETCH(QString, message);
        QVERIFY(showFixture());
        QString shown;
        SetMessageBoxAnswerer([&](const QString &text, const QString &, unsigned) {
            shown = text;
            return IDOK;
        });
        TBoardHighlight *b = h("B");
        if (designing)
            SetComponentState(b, csDesigning);
        b->setRadioPanel(panel("PanelA"));
        QCOMPARE(b->radioPanel(), panel("PanelB"));
        QCOMPARE(shown, message);
        // Clearing is always allowed.
        b->setRadioPanel(nullptr);
        QVERIFY(!b->radioPanel());
    }

    void linkedMembersAreOfferedTheNewPanel_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("synchronized");
        QTest::newRow("yes") << int(IDYES) << true;
        QTest::newRow("no") << int(IDNO) << false;
    }

    void linkedMembersAreOfferedTheNewPanel()
    {
        QFETCH(int, answer);
        QFETCH(bool, synchronized);
        QVERIFY(showFixture());
        QStringList asked;
        SetMessageBoxAnswerer([&](const QString &text, const QString &, unsigned flags) {
            asked << text;
            return (flags & 0xF) == MB_YESNO ? answer : IDOK;
        });
        TBoardHighlight *a1 = h("A1");
        TBoardHighlight *a2 = h("A2");
        auto *fresh = new TRadioPanel(form->clientArea());
        fresh->setObjectName("PanelC");
        SetComponentState(a1, csDesigning);
        a1->setRadioPanel(fresh);
        QCOMPARE(a1->radioPanel(), fresh);
        QCOMPARE(asked,
                 QStringList{"A1's RadioPanel property changed. Synchronize linked component A2?"});
        QCOMPARE(a2->radioPanel() == fresh, synchronized);
    }

    // Without a pop-up nothing would ever unlight the ring; leaving does.
    void highlightWithoutPopupUnlightsOnLeave()
    {
        QVERIFY(showFixture());
        TBoardHighlight *n = h("N");
        n->setCreatePopup(false);
        QTest::mouseMove(n, QPoint(15, 15));
        QVERIFY(n->hot());
        QVERIFY(!n->popup());
        pointAtNothing();
        QVERIFY(!n->hot());
    }
};

OFFSCREEN_TEST_MAIN(tst_Popup)
#include "tst_popup.moc"
