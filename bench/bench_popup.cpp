// How long a pop-up takes to appear once the pointer enters its ring, on the
// offscreen platform (1280 x 1024, no window frames), with the product's main
// window. The clock starts just before the pointer moves onto the ring (the
// move QTest::mouseMove makes: QCursor::setPos, then the events it causes);
// times are taken by an application event filter and a loop that never sleeps:
//   visible:    the pop-up window gets its show event (popup()->isVisible());
//   exposed:    its window is exposed (what QTest::qWaitForWindowExposed waits for);
//   1st paint:  the first paint event reaches the window or one of its children;
//   settled:    the event-loop round that painted has returned, so the whole
//               pop-up is drawn and the main window has relit the ring.
// First build: each of the four highlights once, in design order. Re-show: many
// cycles of leaving (the unpinned window hides) and entering again.
//
// usage: bench_popup [cycles]   (default 200 re-show cycles)

#include "TBoardHighlight.h"
#include "TMainForm.h"
#include "TPopupForm.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QTemporaryFile>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Where the pointer waits between entries: on the main window, clear of every
// ring and pop-up.
const QPoint kRest(0, 1023);

// Notes, on the running clock, when a pop-up window first becomes visible,
// when its window is exposed and when it or one of its children first paints.
class Watch : public QObject
{
public:
    QElapsedTimer clock;
    double visibleMs = -1;
    double exposedMs = -1;
    double drawnMs = -1;

    void restart()
    {
        visibleMs = exposedMs = drawnMs = -1;
        clock.start();
    }

protected:
    bool eventFilter(QObject *o, QEvent *e) override
    {
        const double now = clock.nsecsElapsed() / 1e6;
        switch (e->type()) {
        case QEvent::Show:
            if (visibleMs < 0 && qobject_cast<TPopupForm *>(o))
                visibleMs = now;
            break;
        case QEvent::Expose:
            if (exposedMs < 0 && o->isWindowType() && static_cast<QWindow *>(o)->isExposed() &&
                qobject_cast<TPopupForm *>(popupOf(static_cast<QWindow *>(o))))
                exposedMs = now;
            break;
        case QEvent::Paint:
            if (drawnMs < 0 && o->isWidgetType() &&
                qobject_cast<TPopupForm *>(static_cast<QWidget *>(o)->window()))
                drawnMs = now;
            break;
        default:
            break;
        }
        return false;
    }

private:
    static QWidget *popupOf(QWindow *window)
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->windowHandle() == window)
                return w;
        }
        return nullptr;
    }
};

// Runs the event loop until done() holds; false after two seconds.
template <typename Done> bool spinUntil(Done done)
{
    QElapsedTimer guard;
    guard.start();
    while (!done()) {
        if (guard.elapsed() > 2000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

void moveTo(QPoint global)
{
    QCursor::setPos(global);
    QCoreApplication::processEvents();
}

struct Times
{
    double visibleMs;
    double exposedMs;
    double drawnMs;
    double settledMs;
};

// Enter h's ring and time its pop-up's appearance.
bool enterAndTime(TBoardHighlight *h, Watch &watch, Times &out)
{
    watch.restart();
    moveTo(h->mapToGlobal(h->rect().center()));
    const bool ok = spinUntil([&] {
        TPopupForm *p = h->popup();
        return p && p->isVisible() && p->windowHandle() && p->windowHandle()->isExposed() &&
               watch.drawnMs >= 0;
    });
    out = {watch.visibleMs, watch.exposedMs, watch.drawnMs, watch.clock.nsecsElapsed() / 1e6};
    return ok && out.visibleMs >= 0 && out.exposedMs >= 0;
}

bool leave(TBoardHighlight *h)
{
    moveTo(kRest);
    return spinUntil([h] { return !h->popup()->isVisible(); });
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryFile config;
    if (!config.open())
        return 1;
    config.write(R"({ "windowFrameMargins": false,
                      "screens": [ { "name": "s0", "x": 0, "y": 0, "width": 1280, "height": 1024 } ] })");
    config.flush();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    QCursor::setPos(kRest);
    TMainForm form;
    form.Show();
    const QList<TBoardHighlight *> highlights = form.findChildren<TBoardHighlight *>();
    if (highlights.isEmpty() || !spinUntil([&] {
            return std::all_of(highlights.begin(), highlights.end(),
                               [](const TBoardHighlight *h) { return h->ringsBuilt(); });
        })) {
        std::fprintf(stderr, "the main window did not paint its highlights\n");
        return 1;
    }

    Watch watch;
    app.installEventFilter(&watch);

    struct Series
    {
        std::vector<double> visible, exposed, drawn, settled;
        void add(const Times &t)
        {
            visible.push_back(t.visibleMs);
            exposed.push_back(t.exposedMs);
            drawn.push_back(t.drawnMs);
            settled.push_back(t.settledMs);
        }
    } first, again;

    std::printf("pointer entry to pop-up, ms          visible  exposed  1st paint  settled\n");
    const auto line = [](const char *label, double a, double b, double c, double d) {
        std::printf("%-36s %8.3f %8.3f %10.3f %8.3f\n", label, a, b, c, d);
    };
    for (TBoardHighlight *h : highlights) {
        Times t{};
        if (!enterAndTime(h, watch, t) || !leave(h)) {
            std::fprintf(stderr, "%s: the pop-up did not appear and hide\n",
                         qPrintable(h->objectName()));
            return 1;
        }
        first.add(t);
        const QByteArray label = "first build, " + h->objectName().toLatin1();
        line(label.constData(), t.visibleMs, t.exposedMs, t.drawnMs, t.settledMs);
    }
    for (int i = 0; i < cycles; ++i) {
        TBoardHighlight *h = highlights.at(i % highlights.size());
        Times t{};
        if (!enterAndTime(h, watch, t) || !leave(h)) {
            std::fprintf(stderr, "%s: the pop-up did not reappear and hide\n",
                         qPrintable(h->objectName()));
            return 1;
        }
        again.add(t);
    }

    const auto row = [&](const char *label, const Series &s) {
        line(label, median(s.visible), median(s.exposed), median(s.drawn), median(s.settled));
    };
    const auto most = [](const std::vector<double> &v) {
        return *std::max_element(v.begin(), v.end());
    };
    row("median, first build (goal < 16 ms)", first);
    char label[64];
    std::snprintf(label, sizeof label, "median, re-show x %d (goal < 2 ms)", cycles);
    row(label, again);
    line("slowest re-show", most(again.visible), most(again.exposed), most(again.drawn),
         most(again.settled));
    return 0;
}
