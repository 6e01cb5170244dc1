#pragma once

#include <QObject>

// How a jumper drawing is turned, and where a three-pin jumper's cap sits.
namespace JumperTypes {
Q_NAMESPACE

enum TOrientationType { otUp, otDown, otLeft, otRight };
Q_ENUM_NS(TOrientationType)

enum TJumperState { jsOpen, jsLeft, jsRight };
Q_ENUM_NS(TJumperState)

} // namespace JumperTypes

using JumperTypes::TJumperState;
using JumperTypes::TOrientationType;
using enum JumperTypes::TOrientationType;
using enum JumperTypes::TJumperState;

// Up and down share the horizontal axis, left and right the vertical one.
constexpr bool IsVertical(TOrientationType o)
{
    return o == otLeft || o == otRight;
}
