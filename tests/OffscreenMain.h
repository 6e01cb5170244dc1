#pragma once

#include <QApplication>
#include <QtTest>

// QTEST_MAIN on a 1280 x 1024 offscreen screen without simulated window frames,
// so window positions in tests are exact.
#define OFFSCREEN_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SOURCE_DIR "/tests/offscreen.json");    \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
