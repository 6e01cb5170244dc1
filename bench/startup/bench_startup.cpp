// Starts the program and a bare Qt Widgets window alternately, each to its first
// paint and exit on the offscreen platform, and prints the median wall times and
// their ratio.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

static double runOnce(const QString &program)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", QDir::tempPath());
    p.setProcessEnvironment(env);
    p.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    p.start(program, {});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        std::fprintf(stderr, "%s failed\n", qPrintable(program));
        std::exit(1);
    }
    return timer.nsecsElapsed() / 1e6;
}

static double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    runOnce(SETTINGS_HARNESS); // warm the file cache for both
    runOnce(BARE_HARNESS);
    std::vector<double> settings, bare;
    for (int i = 0; i < runs; ++i) {
        settings.push_back(runOnce(SETTINGS_HARNESS));
        bare.push_back(runOnce(BARE_HARNESS));
    }
    const double ms = median(settings), mb = median(bare);
    std::printf("start to first paint, median of %d runs (offscreen):\n", runs);
    std::printf("  Settings          %8.1f ms\n", ms);
    std::printf("  bare Qt window    %8.1f ms\n", mb);
    std::printf("  ratio             %8.2f (goal: under 1.3)\n", ms / mb);
    return 0;
}
