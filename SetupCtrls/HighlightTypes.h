#pragma once

#include <QObject>

// What a highlight marks; it picks the ring colour and the menu group.
namespace Highlights {
Q_NAMESPACE

enum THighlightType { htOptions, htSettings, htCalibration };
Q_ENUM_NS(THighlightType)

} // namespace Highlights

using Highlights::THighlightType;
using enum Highlights::THighlightType;
