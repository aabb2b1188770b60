#pragma once
#include "components/setuptypes.h"
#include "platform/colors.h"

#include <QImage>

// The upright drawing of a three-pin jumper header, apart from the widget so that it can be
// checked without a window: background, rounded base, the shunt (unless open) and the three
// pins drawn over it so that they stay visible.
class TJumperPainter {
public:
    struct Measures {
        int P = 0;  // (W - 2) / 4.5, rounded
        int A = 0;  // centre column of the first pin
        int cx = 0; // centre column of the middle pin
        int cy = 0; // centre row of the pins
        int r = 0;  // pin radius
        int h = 0;  // how far the shunt reaches past the middle pin
    };

    struct Colors {
        TColor background = TColors::BtnFace;
        TColor base = 0x808080;
        TColor pin = 0x00FFFF;
        TColor jumper = 0x000080;
    };

    static Measures measures(int width, int height);
    static QImage paint(int width, int height, TJumperState state, const Colors &colors, TBorderStyle border);
};
