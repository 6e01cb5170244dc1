#pragma once

#include <QPoint>
#include <QSize>
#include <optional>

// Screen size and pointer position as the components read them. Tests may
// pretend another screen size; the pointer position is always the real one.
QSize ScreenSize();
void SetScreenSizeOverride(std::optional<QSize> size);
QPoint CursorPos();
