#pragma once
#include <QColor>
#include <QtGlobal>

// Colours are 32-bit words 0x00BBGGRR (red in the low byte); a set top bit names a system colour.
using TColor = quint32;

namespace TColors {
constexpr TColor Black = 0x000000;
constexpr TColor White = 0xFFFFFF;
constexpr TColor Gray = 0x808080;
constexpr TColor BtnFace = 0x8000000F;
constexpr TColor WindowText = 0x80000008;
}

QColor toQColor(TColor color);
TColor fromQColor(const QColor &color);
// 0x00BBGGRR into the 0xAARRGGBB word that QImage::Format_RGB32 stores.
QRgb toRgb32(TColor color);
