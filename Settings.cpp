#include "DesignLoader.h"
#include "TMainForm.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    try {
        TMainForm form;
        form.Show();
        return app.exec();
    } catch (const EDesignError &error) {
        // A broken design is a fault of the build, not of the user: say exactly
        // what is wrong and stop.
        std::fprintf(stderr, "Settings: %s\n", qPrintable(error.message()));
        QMessageBox::critical(nullptr, QStringLiteral("Setup"), error.message());
        return 2;
    }
}
