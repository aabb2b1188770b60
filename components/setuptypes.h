#pragma once
#include <QObject>

// Types shared by the board view and the setting widgets.
namespace SetupTypes {
Q_NAMESPACE

// Kind of a highlight mark; its ordinal is also the popup window's tag.
enum THighlightType { htOptions = 0, htSettings = 1, htCalibration = 2 };
Q_ENUM_NS(THighlightType)

// How a setting widget's upright drawing is turned for display.
enum TOrientationType { otUp, otDown, otLeft, otRight };
Q_ENUM_NS(TOrientationType)

// Where a three-pin jumper's shunt sits.
enum TJumperState { jsOpen, jsLeft, jsRight };
Q_ENUM_NS(TJumperState)

enum TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)
} // namespace SetupTypes

using namespace SetupTypes;

// True when the change between the two orientations turns the drawing sideways or back.
constexpr bool crossesOrientationPair(TOrientationType from, TOrientationType to)
{
    const bool fromUpright = from == otUp || from == otDown;
    const bool toUpright = to == otUp || to == otDown;
    return fromUpright != toUpright;
}
