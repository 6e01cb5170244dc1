// The program as Settings.cpp starts it, ending after the board picture's first paint.
#include "QuitAfterPaint.h"
#include "TBoardImage.h"
#include "TMainForm.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TMainForm form;
    QuitAfterPaint quit(form.findChild<TBoardImage *>("BoardImage1"));
    form.Show();
    return app.exec();
}
