#include "MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

MessageBoxAnswerer &answerer()
{
    static MessageBoxAnswerer a;
    return a;
}

struct ButtonSet
{
    QList<QMessageBox::StandardButton> buttons;
    QMessageBox::StandardButton escape;
};

ButtonSet buttonsFor(unsigned flags)
{
    switch (flags & 0xF) {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Cancel};
    case MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, QMessageBox::Retry, QMessageBox::Ignore}, QMessageBox::Abort};
    case MB_YESNOCANCEL:
        return {{QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}, QMessageBox::Cancel};
    case MB_YESNO:
        return {{QMessageBox::Yes, QMessageBox::No}, QMessageBox::No};
    case MB_RETRYCANCEL:
        return {{QMessageBox::Retry, QMessageBox::Cancel}, QMessageBox::Cancel};
    default:
        return {{QMessageBox::Ok}, QMessageBox::Ok};
    }
}

QMessageBox::Icon iconFor(unsigned flags)
{
    switch (flags & 0xF0) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

QMessageBox *CreateMessageBox(const QString &text, const QString &caption, unsigned flags,
                              QWidget *parent)
{
    auto *box = new QMessageBox(parent);
    box->setText(text);
    box->setWindowTitle(caption);
    box->setIcon(iconFor(flags));
    const ButtonSet set = buttonsFor(flags);
    for (QMessageBox::StandardButton b : set.buttons)
        box->addButton(b);
    const int defaultIndex = qBound(0, int((flags >> 8) & 0xF), int(set.buttons.size()) - 1);
    box->setDefaultButton(set.buttons.at(defaultIndex));
    box->setEscapeButton(set.escape);
    if (flags & MB_TOPMOST)
        box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return box;
}

int MessageBoxAnswer(const QMessageBox *, int standardButton)
{
    switch (standardButton) {
    case QMessageBox::Ok:
        return IDOK;
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Abort:
        return IDABORT;
    case QMessageBox::Retry:
        return IDRETRY;
    case QMessageBox::Ignore:
        return IDIGNORE;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDCANCEL;
    }
}

int MessageBox(const QString &text, const QString &caption, unsigned flags, QWidget *parent)
{
    if (answerer())
        return answerer()(text, caption, flags);
    QMessageBox *box = CreateMessageBox(text, caption, flags, parent);
    if (flags & MB_SETFOREGROUND) {
        box->show();
        box->raise();
        box->activateWindow();
    }
    const int button = box->exec();
    const int answer = MessageBoxAnswer(box, button);
    delete box;
    return answer;
}

void SetMessageBoxAnswerer(MessageBoxAnswerer a)
{
    answerer() = std::move(a);
}
