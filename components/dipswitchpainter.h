#pragma once
#include "platform/colors.h"

#include <QImage>
#include <QRect>

// The upright drawing of a DIP switch block, apart from the widget so that it can be checked
// without a window: body, "ON" legend, one grey slot a switch and its actuator at the top
// (on) or at the bottom (off).
class TDipSwitchPainter {
public:
    struct Measures {
        int k = 0;   // (H - 16) div 2
        int t = 0;   // actuator length, 85 % of k truncated
        int s = 0;   // slot width
        int g = 0;   // gap between slots
        int switchLeft(int i) const { return i * (s + g) + g + 1; }
    };

    // The counts a value can carry: one bit a switch in a 32-bit word.
    static constexpr int MinSwitches = 1;
    static constexpr int MaxSwitches = 32;

    static Measures measures(int width, int height, int numSwitches);
    // Rectangles as (l, t, r, b) packed into QRect via QRect(QPoint(l, t), QPoint(r - 1, b - 1)).
    static QRect slotRect(int width, int height, int numSwitches, int i);
    static QRect actuatorRect(int width, int height, int numSwitches, int i, bool on);
    static bool switchOn(quint32 value, int numSwitches, int i);

    static QImage paint(int width, int height, int numSwitches, quint32 value, TColor switchColor);
    static QFont legendFont();
};
