#include "Screen.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {
std::optional<QSize> &screenOverride()
{
    static std::optional<QSize> size;
    return size;
}
} // namespace

QSize ScreenSize()
{
    if (screenOverride())
        return *screenOverride();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        return screen->geometry().size();
    return {};
}

void SetScreenSizeOverride(std::optional<QSize> size)
{
    screenOverride() = size;
}

QPoint CursorPos()
{
    return QCursor::pos();
}
