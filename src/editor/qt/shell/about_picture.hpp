#pragma once
// The About box's picture: a small track-side grandstand drawn as the flat
// shaded polygons and wire edges the editor builds objects from.

#include <QPixmap>

namespace meshsmith {

// A picture of `side` x `side` pixels (at least 16).
QPixmap aboutPicture(int side);

} // namespace meshsmith
