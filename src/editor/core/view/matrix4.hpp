#pragma once
// 4x4 matrices laid out column-major and multiplied the way OpenGL's matrix
// stack multiplies them: in M * N, N acts on a point first, as a glMultMatrix
// of N onto M does. Values are kept in double; toFloats() gives the 16 floats
// that glLoadMatrixf takes.
//
// The builders make exactly the matrices of glOrtho, glRotate, glTranslate,
// glScale, gluPerspective, gluLookAt and gluPickMatrix. Where OpenGL or GLU
// would refuse degenerate arguments (and leave the current matrix alone), the
// builder returns the identity.

#include <array>
#include <optional>

namespace meshsmith {

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

struct Vec4 {
    double x = 0, y = 0, z = 0, w = 0;
};

struct Viewport {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
};

class Matrix4 {
  public:
    // The identity.
    Matrix4();
    // From 16 values in column-major order (entry (row r, column c) at 4c + r).
    explicit Matrix4(const std::array<double, 16>& columnMajor) : m_(columnMajor) {}

    double at(int row, int column) const { return m_[4 * column + row]; }
    double& at(int row, int column) { return m_[4 * column + row]; }
    const std::array<double, 16>& columnMajor() const { return m_; }
    std::array<float, 16> toFloats() const;

    Matrix4 operator*(const Matrix4& right) const;
    Vec4 operator*(const Vec4& v) const;
    // The point (x, y, z, 1) transformed.
    Vec4 transformPoint(const Vec3& p) const;
    // The direction (x, y, z, 0) transformed.
    Vec4 transformDirection(const Vec3& d) const;

  private:
    std::array<double, 16> m_;
};

Matrix4 translationMatrix(double x, double y, double z);
Matrix4 scalingMatrix(double x, double y, double z);
// glRotate: angle in degrees about the axis (x, y, z), normalised first; a zero
// axis gives the identity.
Matrix4 rotationMatrix(double angleDegrees, double x, double y, double z);
// glOrtho; identity when left = right, bottom = top or near = far.
Matrix4 orthoMatrix(double left, double right, double bottom, double top, double zNear,
                    double zFar);
// gluPerspective; identity when the field of view makes a zero sine, the
// aspect is 0 or near = far.
Matrix4 perspectiveMatrix(double fovyDegrees, double aspect, double zNear, double zFar);
// gluLookAt. An eye on the centre or an up vector along the view direction
// collapses the matrix exactly as GLU does (its zero vectors stay zero).
Matrix4 lookAtMatrix(const Vec3& eye, const Vec3& centre, const Vec3& up);
// gluPickMatrix: maps the region of width x height pixels centred at window
// point (x, y) onto the whole clip volume; identity for a non-positive size.
Matrix4 pickMatrix(double x, double y, double width, double height, const Viewport& viewport);

// gluProject: window coordinates (x, y from the viewport's lower left, z in
// 0..1 of the depth range) of an object point under the combined matrix;
// nullopt when the point maps to w = 0.
std::optional<Vec3> projectToWindow(const Matrix4& combined, const Viewport& viewport,
                                    const Vec3& point);

} // namespace meshsmith
