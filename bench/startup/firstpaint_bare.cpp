// A minimal Qt Widgets program of the same shape: a maximised window with a
// menu bar, ending after its first paint.
#include "QuitAfterPaint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Setup");
    QMenu *file = window.menuBar()->addMenu("&File");
    file->addAction("&Exit", &window, &QWidget::close);
    QMenu *help = window.menuBar()->addMenu("&Help");
    help->addAction("H&ow to use this program");
    help->addAction("&Technical Support");
    auto *client = new QWidget;
    client->setAutoFillBackground(true);
    client->setPalette(QPalette(Qt::white));
    window.setCentralWidget(client);
    QuitAfterPaint quit(client);
    window.showMaximized();
    return app.exec();
}
