#pragma once
// The pick region as a clip volume: the pick matrix of a 1 x 1 pixel region in
// front of the camera's combined matrix, as OpenGL's selection mode sees it.
// A primitive is hit when some part of it lies inside the volume. Lines and
// points are drawn wider than one pixel, so their tests take a `widen` factor:
// the region grown to (1 + width) pixels in x and y, which covers every pixel
// a primitive `width` pixels wide paints around the pick point.

#include "editor/core/view/matrix4.hpp"

#include <array>

namespace meshsmith {

class PickVolume {
  public:
    // The region centred at window point (windowX, windowY), y counted from
    // the viewport's bottom. The viewport must not be empty.
    PickVolume(const Matrix4& combined, const Viewport& viewport, double windowX, double windowY);

    const Matrix4& matrix() const { return matrix_; }
    Vec4 toClip(const Vec3& p) const { return matrix_.transformPoint(p); }

    // False when the axis-aligned cube of the given half extent around
    // `centre` lies wholly outside the unwidened volume (a quick, safe reject).
    bool cubeMayHit(const Vec3& centre, double halfExtent) const;

  private:
    Matrix4 matrix_;
    std::array<Vec4, 6> planes_; // object-space planes a*x + b*y + c*z + d >= 0 inside
};

// Clip-space tests; a, b, c are clip coordinates under PickVolume::matrix().
bool pointHits(const Vec4& p, double widen);
// One bit per plane of the unwidened volume that the point lies beyond; the
// corners of a shape that share a bit put the whole shape outside.
unsigned outsideBits(const Vec4& p);
bool segmentHits(const Vec4& a, const Vec4& b, double widen);
bool triangleHits(const Vec4& a, const Vec4& b, const Vec4& c);

// Positive when the triangle runs counter-clockwise on screen (OpenGL's front
// face), negative when clockwise, 0 when it is seen edge-on. Valid for the
// visible part of a triangle that reaches behind the eye as well.
double screenWinding(const Vec4& a, const Vec4& b, const Vec4& c);

} // namespace meshsmith
