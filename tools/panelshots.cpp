// Builds the main window from its design and writes pictures of each option
// group's panel, shown on its own in a plain window with the main window's font:
// DIR/<PanelName>.png once the focus entered the panel (the list shows its first
// entry) and DIR/<PanelName>-2.png after choosing the list's second entry.
// Run it under a display (or offscreen) and look at them.
#include "DesignLoader.h"
#include "TComboBox.h"
#include "TMainForm.h"
#include "TRadioPanel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFontInfo>
#include <cstdio>

static bool save(QWidget &host, const QString &file)
{
    QApplication::processEvents();
    const bool ok = host.grab().save(file);
    std::printf("%s %dx%d %s\n", qPrintable(file), host.width(), host.height(),
                ok ? "written" : "FAILED");
    return ok;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: panelshots DIR\n");
        return 64;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral(".")))
        return 1;
    try {
        TMainForm form;
        int failures = 0;
        for (TRadioPanel *panel : form.findChildren<TRadioPanel *>()) {
            QWidget host;
            host.setFont(form.font());
            host.resize(panel->size());
            panel->setParent(&host);
            panel->move(0, 0);
            panel->setVisible(true);
            host.show();
            host.activateWindow();
            panel->setFocus();
            // The panel's enter handler runs once the window is active and the
            // focus has arrived; the pictures are taken after it.
            QElapsedTimer waited;
            waited.start();
            while (!panel->isAncestorOf(QApplication::focusWidget()) &&
                   QApplication::focusWidget() != panel && waited.elapsed() < 2000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            const QString stem = dir.filePath(panel->objectName());
            failures += save(host, stem + QStringLiteral(".png")) ? 0 : 1;
            if (auto *box = panel->findChild<TComboBox *>()) {
                box->setItemIndex(1);
                if (box->onChange())
                    box->onChange()(box);
                failures += save(host, stem + QStringLiteral("-2.png")) ? 0 : 1;
            }
            panel->setParent(form.clientArea());
        }
        const QFontInfo info(form.font());
        std::printf("font: %s, %d px\n", qPrintable(info.family()), info.pixelSize());
        return failures ? 1 : 0;
    } catch (const EDesignError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 2;
    }
}
