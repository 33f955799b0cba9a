#include "editor/qt/view/scene_renderer_gl.hpp"

#include <qopengl.h>

namespace meshsmith {
namespace {

void colour(const Rgb& c) {
    glColor3f(c.r, c.g, c.b);
}

void vertexAt(const Project& p, std::int32_t index) {
    const Vertex& v = p.object.vertices[static_cast<std::size_t>(index)];
    glVertex3f(v.X, v.Y, v.Z);
}

void sphere(float x, float y, float z, float radius) {
    if (!(radius > 0)) return;
    const SphereMesh& mesh = unitSphere();
    glPushMatrix();
    glTranslatef(x, y, z);
    glScalef(radius, radius, radius);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(mesh.positions.size() / 3));
    glPopMatrix();
}

void drawPoints(const PointBatch& batch) {
    glPointSize(batch.diameter);
    glVertexPointer(3, GL_FLOAT, 0, batch.points.data());
    glColorPointer(3, GL_FLOAT, 0, batch.colours.data());
    glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(batch.points.size() / 3));
}

// The single pixels of spheres smaller than a pixel, given in window
// coordinates (depth 0..1), drawn square and unsmoothed.
void drawPixels(const PointBatch& pixels, const Viewport& viewport) {
    if (pixels.points.empty()) return;
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(viewport.x, viewport.x + viewport.width, viewport.y, viewport.y + viewport.height, 0,
            -1);
    glDisable(GL_POINT_SMOOTH);
    drawPoints(pixels);
    glEnable(GL_POINT_SMOOTH);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

// The spheres as vertexSpheres plans them: the mesh ones first, then the
// sprites, one draw per diameter, then the pixels of the smallest. A
// sprite's pixels count when at least half of each is covered, as the
// mesh's pixels count when their centres are inside it.
void drawVertices(const SceneInput& in) {
    GLint v[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, v);
    const Viewport viewport{v[0], v[1], v[2], v[3]};
    const VertexSpheres spheres = vertexSpheres(in.project, in.options, in.combined, viewport);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, unitSphere().positions.data());
    for (const MeshSphere& s : spheres.meshes) {
        colour(s.colour);
        sphere(s.centre[0], s.centre[1], s.centre[2], s.radius);
    }
    glEnableClientState(GL_COLOR_ARRAY);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GEQUAL, 0.5f);
    for (const PointBatch& batch : spheres.sprites)
        drawPoints(batch);
    glDisable(GL_ALPHA_TEST);
    drawPixels(spheres.pixels, viewport);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void segment(const Project& p, const ObjectData& line) {
    glColor3f(line.Red, line.Green, line.Blue);
    glBegin(GL_LINES);
    vertexAt(p, line.VertexIndices[0]);
    vertexAt(p, line.VertexIndices[1]);
    glEnd();
}

void drawLines(const Project& p, const SceneOptions& options) {
    glLineWidth(kLineWidth);
    for (std::size_t k = 0; k < p.object.lines.size(); ++k) {
        const ObjectData& line = p.object.lines[k];
        if (!lineIsDrawable(p, line)) continue;
        const bool marked = options.marks && options.marks->line(k);
        if (marked) {
            glLineWidth(kSelectedLineWidth);
            glLineStipple(1, kSelectedLineStipple);
            glEnable(GL_LINE_STIPPLE);
        }
        segment(p, line);
        if (marked) {
            glDisable(GL_LINE_STIPPLE);
            glLineWidth(kLineWidth);
        }
    }
}

void drawVisLines(const Project& p) {
    glLineWidth(kVisLineWidth);
    for (const ObjectData& line : p.object.visLines)
        if (lineIsDrawable(p, line)) segment(p, line);
    glLineWidth(kLineWidth);
}

// The polygon's fill triangles (those the converter cuts it into); with the
// texture coordinates when the polygon shows its texture.
void polygonShape(const Project& p, const ObjectData& polygon, bool withTexture) {
    glBegin(GL_TRIANGLES);
    for (const auto& triangle : polygonFill(p, polygon))
        for (const int k : triangle) {
            if (withTexture) {
                const TexCoord& t = polygon.TexCoords[static_cast<std::size_t>(k)];
                glTexCoord2f(t.U, t.V);
            }
            vertexAt(p, polygon.VertexIndices[static_cast<std::size_t>(k)]);
        }
    glEnd();
}

// Draws the polygon in white with `texture` bound, or in `fill`.
void polygonPass(const Project& p, const ObjectData& polygon, unsigned texture, const Rgb& fill) {
    if (texture) {
        glEnable(GL_TEXTURE_2D);
        glBindTexture(GL_TEXTURE_2D, texture);
        glColor3f(1, 1, 1);
    } else {
        colour(fill);
    }
    polygonShape(p, polygon, texture != 0);
}

void outline(const Project& p, const ObjectData& polygon) {
    glLineWidth(kPolygonOutlineWidth);
    glColor3f(1 - polygon.Red, 1 - polygon.Green, 1 - polygon.Blue);
    glBegin(GL_LINE_STRIP);
    for (std::int32_t k = 0; k < polygon.VertexCount; ++k)
        vertexAt(p, polygon.VertexIndices[static_cast<std::size_t>(k)]);
    glEnd();
    glLineWidth(kLineWidth);
}

void drawPolygon(const SceneInput& in, std::size_t index) {
    const Project& p = in.project;
    const ObjectData& polygon = p.object.polygons[index];
    const TextureData* texture = polygonTexture(p, polygon);
    const TextureHandle* handle = texture ? in.textures.at(polygon.TextureIndex) : nullptr;
    const Rgb fill = polygonFillColour(p, polygon, in.options);
    // A texture is shown only with its image read and coordinates for every corner.
    const bool shows = handle && handle->image && p.options.ShowTextures &&
                       !in.options.backColourPreview && texCoordsCoverCorners(polygon);
    const bool masked = texture && !texture->MaskFilename.empty();
    if (polygon.VertexCount >= 4) {
        if (masked) {
            glEnable(GL_BLEND);
            glBlendFunc(GL_DST_COLOR, GL_ZERO);
            polygonPass(p, polygon, shows ? handle->mask : 0, fill);
            glDisable(GL_DEPTH_TEST);
            glBlendFunc(GL_ONE, GL_ONE);
        }
        polygonPass(p, polygon, shows ? handle->image : 0, fill);
        if (masked) {
            glEnable(GL_DEPTH_TEST);
            glDisable(GL_BLEND);
        }
        glDisable(GL_TEXTURE_2D);
    }
    if (in.options.marks && in.options.marks->polygon(index)) outline(p, polygon);
}

void drawAxis(const Project& p) {
    glLineWidth(kAxisLineWidth);
    glBegin(GL_LINES);
    for (const AxisSegment& s : axisSymbol(p.options.AxisSize)) {
        colour(s.colour);
        glVertex3f(0, 0, 0);
        glVertex3f(s.to[0], s.to[1], s.to[2]);
    }
    glEnd();
    glLineWidth(kLineWidth);
}

void drawGrid(const SceneInput& in) {
    const auto grid = gridOf(in.project.bounds, in.options.gridScale);
    if (!grid) return;
    const std::vector<float> points = gridPoints(*grid);
    glPointSize(static_cast<float>(in.options.gridPointSize) / 10.0f);
    colour(in.gridColour);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, points.data());
    glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(points.size() / 3));
    glDisableClientState(GL_VERTEX_ARRAY);
}

void drawScene(const SceneInput& in) {
    const Project& p = in.project;
    if (in.options.showVertices) drawVertices(in);
    if (p.options.ShowLines && !p.object.lines.empty()) drawLines(p, in.options);
    if (!p.object.visLines.empty()) drawVisLines(p);
    if (p.options.ShowPolygons)
        for (std::size_t k = 0; k < p.object.polygons.size(); ++k)
            if (polygonIsDrawable(p, p.object.polygons[k])) drawPolygon(in, k);
    if (p.options.ShowAxis) drawAxis(p);
    if (in.options.showGrid) drawGrid(in);
    glColor3f(0, 0, 0);
}

} // namespace

void initialiseSceneState() {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glClearDepth(1.0);
    glShadeModel(GL_FLAT);
    glEnable(GL_POINT_SMOOTH);
}

void clearAndLoadCamera(const Rgb& background, const Matrix4& combined) {
    // Opaque: the window system composes the view with the alpha it is given.
    glClearColor(background.r, background.g, background.b, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Everything goes onto the projection matrix; the model-view matrix holds
    // only the per-sphere moves.
    glMatrixMode(GL_PROJECTION);
    const auto m = combined.toFloats();
    glLoadMatrixf(m.data());
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void paintScene(const SceneInput& in) {
    if (in.options.showBackfaces) {
        glDisable(GL_CULL_FACE);
    } else {
        // The visible faces run clockwise on screen: the counter-clockwise ones are culled.
        glEnable(GL_CULL_FACE);
        glCullFace(GL_FRONT);
    }
    clearAndLoadCamera(viewColoursOf(in.project.options).background, in.combined);
    if (!in.project.GeometryPresent) return;
    drawScene(in);
}

} // namespace meshsmith
