#pragma once
#include "platform/colors.h"

#include <QImage>

// Blends a mark's ring into a copy of what lies under the mark. A pure function of its
// inputs, so the pixel rules can be checked without a window.
class TRingRenderer {
public:
    // The ellipse inscribed in the glyph is the unit circle; inside radius 0.77 a faint tint,
    // from 0.77 to 1 a ring peaking at 0.875. With whiteCore the ring's middle turns white.
    // A glyph narrower or lower than 2 pixels has no ring at all: the formula would divide by
    // zero there, and such a mark has no room for one anyway.
    static void render(QImage &glyph, float strength, TColor color, bool whiteCore);
    // The three glyphs of a mark from one background in one pass: the same pixels as three
    // render() calls (normal and hot without the white core, active with it). The background
    // is taken by value so a caller that moves it in spares a copy.
    static void renderSet(QImage background, TColor color, float normalStrength, float activeStrength,
                          float hotStrength, QImage &normal, QImage &active, QImage &hot);
};
