// Prints how long a jumper drawing takes to render and how long the main
// window's design (with its four option groups) takes to load.
#include "TJumper.h"
#include "TMainForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <functional>

static double microsecondsPer(int runs, const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        work();
    return timer.nsecsElapsed() / 1000.0 / runs;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    struct Case
    {
        const char *name;
        TJumperLook look;
    };
    Case cases[4];
    cases[0] = {"two pins 34x18 up, open", {}};
    cases[1] = {"two pins 34x18 up, closed", {}};
    cases[1].look.closed = true;
    cases[2] = {"three pins 43x18 up, right", {}};
    cases[2].look.pins = 3;
    cases[2].look.width = 43;
    cases[2].look.state = jsRight;
    cases[3] = {"three pins 18x43 right, right", {}};
    cases[3].look.pins = 3;
    cases[3].look.width = 18;
    cases[3].look.height = 43;
    cases[3].look.state = jsRight;
    cases[3].look.orientation = otRight;
    int sink = 0;
    for (const Case &c : cases) {
        const double us = microsecondsPer(2000, [&] { sink += RenderJumper(c.look).width(); });
        std::printf("RenderJumper %-32s %8.1f us\n", c.name, us);
    }
    const double ms = microsecondsPer(20, [] { TMainForm form; }) / 1000.0;
    std::printf("main window from its design            %8.2f ms\n", ms);
    return sink > 0 ? 0 : 1;
}
