#include "editor/core/view/matrix4.hpp"

#include <cmath>
#include <numbers>

namespace meshsmith {

namespace {

constexpr double degreesToRadians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// GLU leaves a zero vector as it is instead of dividing by zero.
Vec3 normalised(const Vec3& v) {
    const double length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    if (length == 0.0) return v;
    return {v.x / length, v.y / length, v.z / length};
}

} // namespace

Matrix4::Matrix4() : m_{} {
    for (int i = 0; i < 4; ++i)
        at(i, i) = 1.0;
}

std::array<float, 16> Matrix4::toFloats() const {
    std::array<float, 16> out{};
    for (int i = 0; i < 16; ++i)
        out[i] = static_cast<float>(m_[i]);
    return out;
}

Matrix4 Matrix4::operator*(const Matrix4& right) const {
    Matrix4 out;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += at(r, k) * right.at(k, c);
            out.at(r, c) = sum;
        }
    }
    return out;
}

Vec4 Matrix4::operator*(const Vec4& v) const {
    auto row = [&](int r) {
        return at(r, 0) * v.x + at(r, 1) * v.y + at(r, 2) * v.z + at(r, 3) * v.w;
    };
    return {row(0), row(1), row(2), row(3)};
}

Vec4 Matrix4::transformPoint(const Vec3& p) const {
    return *this * Vec4{p.x, p.y, p.z, 1.0};
}

Vec4 Matrix4::transformDirection(const Vec3& d) const {
    return *this * Vec4{d.x, d.y, d.z, 0.0};
}

Matrix4 translationMatrix(double x, double y, double z) {
    Matrix4 m;
    m.at(0, 3) = x;
    m.at(1, 3) = y;
    m.at(2, 3) = z;
    return m;
}

Matrix4 scalingMatrix(double x, double y, double z) {
    Matrix4 m;
    m.at(0, 0) = x;
    m.at(1, 1) = y;
    m.at(2, 2) = z;
    return m;
}

Matrix4 rotationMatrix(double angleDegrees, double x, double y, double z) {
    const Vec3 axis = normalised({x, y, z});
    if (axis.x == 0.0 && axis.y == 0.0 && axis.z == 0.0) return Matrix4();
    // Reducing the angle first keeps sin and cos exact at whole turns.
    const double radians = degreesToRadians(std::fmod(angleDegrees, 360.0));
    const double c = std::cos(radians), s = std::sin(radians), t = 1.0 - c;
    Matrix4 m;
    m.at(0, 0) = axis.x * axis.x * t + c;
    m.at(0, 1) = axis.x * axis.y * t - axis.z * s;
    m.at(0, 2) = axis.x * axis.z * t + axis.y * s;
    m.at(1, 0) = axis.y * axis.x * t + axis.z * s;
    m.at(1, 1) = axis.y * axis.y * t + c;
    m.at(1, 2) = axis.y * axis.z * t - axis.x * s;
    m.at(2, 0) = axis.z * axis.x * t - axis.y * s;
    m.at(2, 1) = axis.z * axis.y * t + axis.x * s;
    m.at(2, 2) = axis.z * axis.z * t + c;
    return m;
}

Matrix4 orthoMatrix(double left, double right, double bottom, double top, double zNear,
                    double zFar) {
    if (left == right || bottom == top || zNear == zFar) return Matrix4();
    Matrix4 m;
    m.at(0, 0) = 2.0 / (right - left);
    m.at(1, 1) = 2.0 / (top - bottom);
    m.at(2, 2) = -2.0 / (zFar - zNear);
    m.at(0, 3) = -(right + left) / (right - left);
    m.at(1, 3) = -(top + bottom) / (top - bottom);
    m.at(2, 3) = -(zFar + zNear) / (zFar - zNear);
    return m;
}

Matrix4 perspectiveMatrix(double fovyDegrees, double aspect, double zNear, double zFar) {
    const double radians = degreesToRadians(fovyDegrees / 2.0);
    const double deltaZ = zFar - zNear;
    const double sine = std::sin(radians);
    if (deltaZ == 0.0 || sine == 0.0 || aspect == 0.0) return Matrix4();
    const double cotangent = std::cos(radians) / sine;
    Matrix4 m;
    m.at(0, 0) = cotangent / aspect;
    m.at(1, 1) = cotangent;
    m.at(2, 2) = -(zFar + zNear) / deltaZ;
    m.at(3, 2) = -1.0;
    m.at(2, 3) = -2.0 * zNear * zFar / deltaZ;
    m.at(3, 3) = 0.0;
    return m;
}

Matrix4 lookAtMatrix(const Vec3& eye, const Vec3& centre, const Vec3& up) {
    const Vec3 forward = normalised({centre.x - eye.x, centre.y - eye.y, centre.z - eye.z});
    const Vec3 side = normalised(cross(forward, up));
    const Vec3 trueUp = cross(side, forward);
    Matrix4 m;
    m.at(0, 0) = side.x;
    m.at(0, 1) = side.y;
    m.at(0, 2) = side.z;
    m.at(1, 0) = trueUp.x;
    m.at(1, 1) = trueUp.y;
    m.at(1, 2) = trueUp.z;
    m.at(2, 0) = -forward.x;
    m.at(2, 1) = -forward.y;
    m.at(2, 2) = -forward.z;
    return m * translationMatrix(-eye.x, -eye.y, -eye.z);
}

Matrix4 pickMatrix(double x, double y, double width, double height, const Viewport& viewport) {
    if (width <= 0 || height <= 0) return Matrix4();
    const double vw = viewport.width, vh = viewport.height;
    return translationMatrix((vw - 2.0 * (x - viewport.x)) / width,
                             (vh - 2.0 * (y - viewport.y)) / height, 0.0) *
           scalingMatrix(vw / width, vh / height, 1.0);
}

std::optional<Vec3> projectToWindow(const Matrix4& combined, const Viewport& viewport,
                                    const Vec3& point) {
    const Vec4 clip = combined.transformPoint(point);
    if (clip.w == 0.0) return std::nullopt;
    const double nx = clip.x / clip.w, ny = clip.y / clip.w, nz = clip.z / clip.w;
    return Vec3{viewport.x + (nx * 0.5 + 0.5) * viewport.width,
                viewport.y + (ny * 0.5 + 0.5) * viewport.height, nz * 0.5 + 0.5};
}

} // namespace meshsmith
