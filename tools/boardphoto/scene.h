#pragma once

#include <QImage>

#include <cstdint>

// Renders the top-view photograph of the QK-4410 board. The same seed always
// yields the same pixels.
QImage renderBoardPhoto(std::uint64_t seed);
