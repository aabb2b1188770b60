#pragma once

#include <QImage>

class Rng;

namespace photofx {

// Separable box blur, repeated to approximate a Gaussian. Works on
// Format_ARGB32_Premultiplied and Format_RGB32 images in place.
void blur(QImage &image, int radius, int passes);

// Turns a clean vector rendering into something that reads as a camera
// shot: lens softness, uneven light falloff, a faint glare of the ring
// light on the glossy mask, and sensor grain.
void cameraLook(QImage &image, Rng &rng);

} // namespace photofx
