// The highlights' entries in the main menu: where they go, what choosing them
// does, their check marks, and the pop-up's Previous/Next/Done walk.

#include "OffscreenMain.h"
#include "TBoardHighlight.h"
#include "TMainForm.h"
#include "TMenu.h"
#include "TPopupForm.h"

#include <QMenuBar>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <memory>

namespace {

const QString kFixture = QStringLiteral(":/fixtures/popups.json");
// Where the pointer waits: on the main window, clear of every ring and pop-up.
const QPoint kRest(0, 1023);

// The window shown, with every highlight painted once (each registers its
// entry at its first paint).
std::unique_ptr<TMainForm> shownForm(const QString &design)
{
    auto form = std::make_unique<TMainForm>(design);
    form->Show();
    if (!QTest::qWaitForWindowExposed(form.get()))
        return nullptr;
    const auto highlights = form->findChildren<TBoardHighlight *>();
    const bool painted = QTest::qWaitFor([&] {
        return std::all_of(highlights.begin(), highlights.end(),
                           [](const TBoardHighlight *h) { return h->ringsBuilt(); });
    });
    return painted ? std::move(form) : nullptr;
}

// "Name=Caption [Name=Caption, ...]" per top-level item.
QStringList menuTree(const TMainMenu *menu)
{
    QStringList tree;
    for (int i = 0; i < menu->Count(); ++i) {
        const TMenuItem *top = menu->Items(i);
        QStringList entries;
        for (int j = 0; j < top->Count(); ++j)
            entries << top->Items(j)->objectName() + "=" + top->Items(j)->text();
        tree << top->objectName() + "=" + top->text() + " [" + entries.join(", ") + "]";
    }
    return tree;
}

bool isHighlightGroup(const TMenuItem *item)
{
    for (THighlightType type : {htSettings, htCalibration, htOptions}) {
        if (item->text() == TBoardHighlight::GroupCaption(type))
            return true;
    }
    return false;
}

// The names of the checked entries of all highlight groups.
QStringList checkedEntries(const TMainMenu *menu)
{
    QStringList names;
    for (int i = 0; i < menu->Count(); ++i) {
        const TMenuItem *group = menu->Items(i);
        if (!isHighlightGroup(group))
            continue;
        for (int j = 0; j < group->Count(); ++j) {
            if (group->Items(j)->checked())
                names << group->Items(j)->objectName();
        }
    }
    return names;
}

QList<TPopupForm *> visiblePopups(const TMainForm &form)
{
    QList<TPopupForm *> open;
    for (TPopupForm *popup : form.findChildren<TPopupForm *>()) {
        if (popup->isVisible())
            open << popup;
    }
    return open;
}

// The highlights whose pop-up windows are open.
QStringList openOwners(const TMainForm &form)
{
    QStringList names;
    for (const TPopupForm *popup : visiblePopups(form))
        names << popup->highlight()->objectName();
    return names;
}

void hover(TBoardHighlight *h)
{
    QTest::mouseMove(h, h->rect().center());
}

void rest(QWidget *w)
{
    QTest::mouseMove(w, w->mapFromGlobal(kRest));
}

// Counts the times a window is hidden.
class HideCounter : public QObject
{
public:
    explicit HideCounter(QWidget *window) { window->installEventFilter(this); }
    int hides = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide)
            ++hides;
        return false;
    }
};

} // namespace

class tst_SettingsMenu : public QObject
{
    Q_OBJECT

private slots:
    void init() { QCursor::setPos(kRest); }

    void entriesAfterFirstPaint_data()
    {
        QTest::addColumn<QString>("design");
        QTest::addColumn<int>("designedItems");
        QTest::addColumn<QStringList>("tree");

        QTest::newRow("product")
            << TMainForm::designFile() << 2
            << QStringList{
                   "File1=&File [Exit2=&Exit]",
                   "Settings1=&Settings [DigitalInterrupt1=&Digital Interrupt, "
                   "BufferEnabling1=&Buffer Enabling, TimerInterrupt1=&Timer Interrupt, "
                   "InterruptSource1=&Interrupt Source]",
                   "Help1=&Help [Howtousethisprogram1=H&ow to use this program, "
                   "TechnicalSupport1=&Technical Support]",
               };
        // One entry for the linked pair A1/A2, none for the empty title, a
        // group-named entry for a title without letters, and the second
        // board's entry in the same group.
        QTest::newRow("fixture")
            << kFixture << 2
            << QStringList{
                   "File1=&File []",
                   "Settings1=&Settings [Alpha1=&Alpha, Beta1=&Beta, NoPanel1=&No Panel, "
                   "SettingsEntry1=12 - 34, Delta1=&Delta, Gamma1=&Gamma]",
                   "Options1=&Options [Omega1=&Omega]",
                   "Help1=&Help []",
               };
    }

    void entriesAfterFirstPaint()
    {
        QFETCH(QString, design);
        QFETCH(int, designedItems);
        QFETCH(QStringList, tree);

        auto form = std::make_unique<TMainForm>(design);
        auto *menu = form->findChild<TMainMenu *>("MainMenu1");
        QVERIFY(menu);
        QCOMPARE(menu->Count(), designedItems);
        form.reset();

        form = shownForm(design);
        QVERIFY(form);
        menu = form->findChild<TMainMenu *>("MainMenu1");
        QCOMPARE(menuTree(menu), tree);

        // The bar shows the same items in the same order.
        QStringList bar;
        for (const QAction *action : form->menuBar()->actions())
            bar << action->text();
        QStringList captions;
        for (int i = 0; i < menu->Count(); ++i)
            captions << menu->Items(i)->text();
        QCOMPARE(bar, captions);

        for (int i = 0; i < menu->Count(); ++i) {
            const TMenuItem *group = menu->Items(i);
            if (!isHighlightGroup(group))
                continue;
            QCOMPARE(group->parent(), form.get());
            for (int j = 0; j < group->Count(); ++j) {
                const TMenuItem *entry = group->Items(j);
                QCOMPARE(entry->parent(), form.get());
                QVERIFY(entry->isCheckable());
                QVERIFY(!entry->checked());
                QVERIFY(entry->onClick().assigned());
                QCOMPARE(form->findChild<TMenuItem *>(entry->objectName()), entry);
            }
        }
    }

    // Choosing an entry opens its set's window pinned and checked; choosing it
    // again closes the window, whichever member of the set built it.
    void choosingAnEntryTwice_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("hoverFirst");
        QTest::addColumn<QString>("owner");

        QTest::newRow("with panel") << "Beta1"
                                    << ""
                                    << "B";
        QTest::newRow("without panel") << "NoPanel1"
                                       << ""
                                       << "N";
        QTest::newRow("second board") << "Gamma1"
                                      << ""
                                      << "G";
        QTest::newRow("linked, first member builds") << "Alpha1"
                                                     << ""
                                                     << "A1";
        QTest::newRow("linked, second member built it") << "Alpha1"
                                                        << "A2"
                                                        << "A2";
    }

    void choosingAnEntryTwice()
    {
        QFETCH(QString, entry);
        QFETCH(QString, hoverFirst);
        QFETCH(QString, owner);

        auto form = shownForm(kFixture);
        QVERIFY(form);
        if (!hoverFirst.isEmpty()) {
            auto *first = form->findChild<TBoardHighlight *>(hoverFirst);
            hover(first);
            QTRY_COMPARE(openOwners(*form), QStringList{hoverFirst});
            rest(form.get());
            QTRY_COMPARE(openOwners(*form), QStringList());
        }
        auto *item = form->findChild<TMenuItem *>(entry);
        auto *own = form->findChild<TBoardHighlight *>(owner);
        QVERIFY(item && own);

        item->trigger();
        QCOMPARE(openOwners(*form), QStringList{owner});
        QVERIFY(own->pinned());
        QVERIFY(item->checked());
        QVERIFY(item->isChecked());
        QTRY_COMPARE(QApplication::activeWindow(), own->popup());

        item->trigger();
        QCOMPARE(openOwners(*form), QStringList());
        QVERIFY(!item->checked());
        QVERIFY(!item->isChecked());
        for (const TBoardHighlight *member : own->LinkedSet())
            QVERIFY(!member->hot());
    }

    // Previous and Next walk the group with wrap-around, passing over entries
    // without a click handler; Done closes.
    void popupButtons_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("hoverFirst");
        QTest::addColumn<int>("manualAt"); // a hand-placed entry without handler, or -1
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("open");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<int>("hides");

        using L = QStringList;
        // Settings: Alpha1 (A1/A2), Beta1, NoPanel1, SettingsEntry1, Delta1, Gamma1.
        QTest::newRow("next") << "A1"
                              << "" << -1 << "NextButton" << L{"B"} << L{"Beta1"} << 1;
        QTest::newRow("previous") << "B"
                                  << "" << -1 << "PreviousButton" << L{"A1"} << L{"Alpha1"} << 1;
        QTest::newRow("previous from the first wraps")
            << "A1"
            << "" << -1 << "PreviousButton" << L{"G"} << L{"Gamma1"} << 1;
        QTest::newRow("next from the last wraps")
            << "G"
            << "" << -1 << "NextButton" << L{"A1"} << L{"Alpha1"} << 1;
        QTest::newRow("next onto the second board")
            << "D"
            << "" << -1 << "NextButton" << L{"G"} << L{"Gamma1"} << 1;
        QTest::newRow("previous onto the second member's window")
            << "B"
            << "A2" << -1 << "PreviousButton" << L{"A2"} << L{"Alpha1"} << 1;
        QTest::newRow("next from the second member's window")
            << "A1"
            << "A2" << -1 << "NextButton" << L{"B"} << L{"Beta1"} << 1;
        QTest::newRow("next passes over an entry without handler")
            << "B"
            << "" << 2 << "NextButton" << L{"N"} << L{"NoPanel1"} << 1;
        QTest::newRow("previous passes over an entry without handler")
            << "N"
            << "" << 2 << "PreviousButton" << L{"B"} << L{"Beta1"} << 1;
        QTest::newRow("wrap passes over a last entry without handler")
            << "G"
            << "" << 6 << "NextButton" << L{"A1"} << L{"Alpha1"} << 1;
        QTest::newRow("wrap passes over a first entry without handler")
            << "A1"
            << "" << 0 << "PreviousButton" << L{"G"} << L{"Gamma1"} << 1;
        QTest::newRow("single entry: next reopens")
            << "O"
            << "" << -1 << "NextButton" << L{"O"} << L{"Omega1"} << 1;
        QTest::newRow("single entry: previous reopens")
            << "O"
            << "" << -1 << "PreviousButton" << L{"O"} << L{"Omega1"} << 1;
        QTest::newRow("single entry beside one without handler")
            << "O"
            << "" << 1 << "NextButton" << L{"O"} << L{"Omega1"} << 1;
        QTest::newRow("no title: next does nothing")
            << "E"
            << "" << -1 << "NextButton" << L{"E"} << L{} << 0;
        QTest::newRow("no title: previous does nothing")
            << "E"
            << "" << -1 << "PreviousButton" << L{"E"} << L{} << 0;
        QTest::newRow("done") << "B"
                              << "" << -1 << "DoneButton" << L{} << L{} << 1;
        QTest::newRow("done on the second member's window")
            << "A1"
            << "A2" << -1 << "DoneButton" << L{} << L{} << 1;
        QTest::newRow("done without title") << "E"
                                            << "" << -1 << "DoneButton" << L{} << L{} << 1;
    }

    void popupButtons()
    {
        QFETCH(QString, start);
        QFETCH(QString, hoverFirst);
        QFETCH(int, manualAt);
        QFETCH(QString, button);
        QFETCH(QStringList, open);
        QFETCH(QStringList, checked);
        QFETCH(int, hides);

        auto form = shownForm(kFixture);
        QVERIFY(form);
        auto *menu = form->findChild<TMainMenu *>("MainMenu1");
        if (!hoverFirst.isEmpty()) {
            hover(form->findChild<TBoardHighlight *>(hoverFirst));
            QTRY_COMPARE(openOwners(*form), QStringList{hoverFirst});
            rest(form.get());
            QTRY_COMPARE(openOwners(*form), QStringList());
        }
        auto *from = form->findChild<TBoardHighlight *>(start);
        QVERIFY(from);
        if (manualAt >= 0) {
            const char *group = from->highlightType() == htOptions ? "Options1" : "Settings1";
            auto *manual = new TMenuItem(form.get());
            manual->setObjectName("Manual1");
            manual->setCaption("&Manual");
            form->findChild<TMenuItem *>(group)->Insert(manualAt, manual);
            QCOMPARE(form->findChild<TMenuItem *>(group)->IndexOf(manual), manualAt);
        }

        from->MenuItemClick(from);
        const QList<TPopupForm *> shown = visiblePopups(*form);
        QCOMPARE(shown.size(), 1);
        TPopupForm *popup = shown.first();
        HideCounter counter(popup);
        auto *pushButton = popup->findChild<QPushButton *>(button);
        QVERIFY(pushButton);

        QTest::mouseClick(pushButton, Qt::LeftButton);
        QCOMPARE(counter.hides, hides);
        QCOMPARE(openOwners(*form), open);
        QCOMPARE(checkedEntries(menu), checked);
        for (const QString &name : open)
            QVERIFY(form->findChild<TBoardHighlight *>(name)->pinned());
    }

    // The check mark shows while the window is pinned, not while it is merely open.
    void checkMarkFollowsPinning_data()
    {
        QTest::addColumn<QString>("highlight");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("byClick"); // else the pointer moves into the window
        QTest::addColumn<QString>("closeBy");

        QTest::newRow("click, done") << "B"
                                     << "Beta1" << true << "done";
        QTest::newRow("click, close box") << "N"
                                          << "NoPanel1" << true << "close box";
        QTest::newRow("linked second member, click, done") << "A2"
                                                           << "Alpha1" << true << "done";
        QTest::newRow("into the window, leave") << "B"
                                                << "Beta1" << false << "leave";
        QTest::newRow("into the window, close box") << "G"
                                                    << "Gamma1" << false << "close box";
    }

    void checkMarkFollowsPinning()
    {
        QFETCH(QString, highlight);
        QFETCH(QString, entry);
        QFETCH(bool, byClick);
        QFETCH(QString, closeBy);

        auto form = shownForm(kFixture);
        QVERIFY(form);
        auto *h = form->findChild<TBoardHighlight *>(highlight);
        auto *item = form->findChild<TMenuItem *>(entry);
        QVERIFY(h && item);

        hover(h);
        QTRY_VERIFY(h->popup() && h->popup()->isVisible());
        TPopupForm *popup = h->popup();
        QVERIFY(!h->pinned());
        QVERIFY(!item->checked());

        if (byClick) {
            QTest::mouseClick(h, Qt::LeftButton, {}, h->rect().center());
            QVERIFY(item->checked());
            // Pinned, the window and the mark stay while the pointer wanders.
            rest(form.get());
            QVERIFY(popup->isVisible());
        } else {
            QTest::mouseMove(popup, popup->rect().center());
            QVERIFY(popup->isVisible());
        }
        QVERIFY(h->pinned());
        QVERIFY(item->checked());
        QVERIFY(item->isChecked());

        if (closeBy == "done")
            QTest::mouseClick(popup->findChild<QPushButton *>("DoneButton"), Qt::LeftButton);
        else if (closeBy == "close box")
            popup->windowHandle()->close();
        else {
            // The offscreen platform hit-tests the maximised main window
            // first, so the window system's leave is delivered by hand.
            rest(form.get());
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(popup, &leave);
        }
        QTRY_VERIFY(!popup->isVisible());
        QVERIFY(!item->checked());
        QVERIFY(!item->isChecked());
    }
};

OFFSCREEN_TEST_MAIN(tst_SettingsMenu)
#include "tst_settingsmenu.moc"
