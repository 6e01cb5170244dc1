// Loads a main-window design file as the program would and reports the outcome:
// exit 0 when it loads, 2 with the loader's message when it does not.
#include "DesignLoader.h"
#include "TMainForm.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Loading needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: checkdesign DESIGN.json\n");
        return 64;
    }
    try {
        TMainForm form(QString::fromLocal8Bit(argv[1]));
        std::printf("%s: loads\n", argv[1]);
        return 0;
    } catch (const EDesignError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 2;
    }
}
