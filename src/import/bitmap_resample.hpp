#pragma once
// Bringing a modeller's bitmap to a size the texture library takes.

#include "model/bmp_image.hpp"

namespace meshsmith {

// The allowed texture side (kTextureSides) nearest to `side`; between two
// equally near, the larger.
int nearestTextureSide(int side);

// The image scaled to width x height (both at least 1) with a box filter:
// each new pixel is the average of the old pixels it covers, each weighted by
// how much of it it covers. Enlarging repeats pixels.
BmpImage resampleImage(const BmpImage& image, int width, int height);

} // namespace meshsmith
