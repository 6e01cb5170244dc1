#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

// Message boxes described by a flag word: buttons, icon, default button and
// window behaviour, as designs and handlers state them.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
    MB_ICONHAND = 0x10,
    MB_ICONERROR = MB_ICONHAND,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONWARNING = MB_ICONEXCLAMATION,
    MB_ICONASTERISK = 0x40,
    MB_ICONINFORMATION = MB_ICONASTERISK,
    MB_DEFBUTTON1 = 0x0,
    MB_DEFBUTTON2 = 0x100,
    MB_DEFBUTTON3 = 0x200,
    MB_SETFOREGROUND = 0x10000,
    MB_TOPMOST = 0x40000,
};

// The button that closed the box.
enum : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
};

// Shows a modal box and answers the chosen button. Closing the box without a
// button answers the cancel-like button (Cancel, No, or OK when there is only OK).
int MessageBox(const QString &text, const QString &caption, unsigned flags,
               QWidget *parent = nullptr);

// The box MessageBox would show, not yet shown; the caller owns it.
QMessageBox *CreateMessageBox(const QString &text, const QString &caption, unsigned flags,
                              QWidget *parent = nullptr);
// The answer for a button of a box made by CreateMessageBox.
int MessageBoxAnswer(const QMessageBox *box, int standardButton);

// Tests answer boxes without a modal loop: while set, MessageBox calls this
// instead of showing anything. Pass an empty function to restore the real boxes.
using MessageBoxAnswerer =
    std::function<int(const QString &text, const QString &caption, unsigned flags)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);
