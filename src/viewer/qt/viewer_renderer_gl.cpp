#include "viewer/qt/viewer_renderer_gl.hpp"

#include "viewer/core/polygon_pick.hpp"

#include "editor/qt/view/scene_renderer_gl.hpp"

#include <qopengl.h>

namespace meshsmith::viewer {
namespace {

using inspect3do::Record;

constexpr float kPlainGrey[3] = {0.55f, 0.55f, 0.6f}; // a polygon without its bitmap
constexpr float kWarning[3] = {1.0f, 0.0f, 0.85f};    // shown from behind
constexpr float kPalette[6][3] = {{0.9f, 0.2f, 0.2f},   {0.2f, 0.7f, 0.2f},  {0.2f, 0.3f, 0.95f},
                                  {0.95f, 0.75f, 0.1f}, {0.1f, 0.8f, 0.85f}, {0.6f, 0.2f, 0.8f}};

// Corners in file order; a twin drawn from behind runs the other way, which
// only matters to the texture's side, not to the painted pixels.
void polygonCorners(const inspect3do::ThreeDoFile& f, const Record& p, bool textured,
                    bool coloured) {
    for (std::size_t k = 0; k < p.vertices.size(); ++k) {
        if (coloured) {
            const auto& c = p.colours[k]; // blue, green, red, alpha
            glColor3ub(c[2], c[1], c[0]);
        }
        // The file counts texture rows from the top, OpenGL from the bottom.
        if (textured) glTexCoord2f(p.texCoords[k][0], 1.0f - p.texCoords[k][1]);
        const inspect3do::Vertex& v = f.vertices[static_cast<std::size_t>(p.vertices[k])];
        glVertex3f(v.x, v.y, v.z);
    }
}

void drawPolygon(const FrameInput& in, const DrawnPolygon& d) {
    const inspect3do::ThreeDoFile& f = in.scene.file;
    const bool warn = in.switches.fromBehind && in.scene.fromBehind[recordIndex(f, *d.polygon)];
    const auto texture = in.textures.find(d.textureGroup->stringOffset);
    const unsigned name = texture == in.textures.end() || warn ? 0 : texture->second;
    const bool coloured = !warn && d.polygon->colours.size() == d.polygon->vertices.size();
    if (name) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, name);
        glColor3f(1, 1, 1);
    } else {
        glColor3fv(warn ? kWarning : kPlainGrey);
    }
    glBegin(GL_POLYGON);
    polygonCorners(f, *d.polygon, name != 0, coloured);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

void translucent(const std::vector<Point>& corners, const float* rgb, float alpha) {
    glColor4f(rgb[0], rgb[1], rgb[2], alpha);
    glBegin(GL_POLYGON);
    for (const Point& p : corners)
        glVertex3d(p[0], p[1], p[2]);
    glEnd();
}

void outline(const inspect3do::ThreeDoFile& f, const Record& p) {
    glColor3f(0, 0, 0);
    glLineWidth(2);
    glBegin(GL_LINE_LOOP);
    polygonCorners(f, p, false, false);
    glEnd();
    glLineWidth(1);
}

void drawNodePlanes(const FrameInput& in) {
    const DrawnPolygon& d = in.drawn[*in.hovered];
    constexpr float kPlaneColour[3] = {0.1f, 0.5f, 1.0f};
    for (const Record* node : nodePath(in.scene.file, *d.node))
        translucent(
            planeInBox(in.scene.file.planes[static_cast<std::size_t>(node->plane)], in.scene.box),
            kPlaneColour, 0.18f);
    outline(in.scene.file, *d.polygon);
}

} // namespace

const float* volumeColour(std::size_t volume) {
    return kPalette[volume % 6];
}

void paintFrame(const FrameInput& in) {
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST); // the tree's order alone decides what covers what
    glShadeModel(GL_SMOOTH);  // vertex colours blend across the polygon
    clearAndLoadCamera({1, 1, 1}, in.combined);
    for (const DrawnPolygon& d : in.drawn)
        drawPolygon(in, d);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (in.switches.collision)
        for (const CollisionFace& face : in.scene.collision)
            translucent(face.corners, volumeColour(face.volume), 0.3f);
    if (in.switches.nodePlanes && in.hovered) drawNodePlanes(in);
    glDisable(GL_BLEND);
}

} // namespace meshsmith::viewer
