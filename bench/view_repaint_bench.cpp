// A full repaint of the view with OpenGL (Mesa's software renderer under
// Xvfb here): vertex spheres, quads, in a 1024 x 768 frame buffer, finished
// with glFinish. Terrains of 1000, 10000 and 30000 vertices under 20000 quads.
// Beside today's repaint with spheres (pixels, sprites or the mesh, as each
// sphere's size on screen asks) and the one without them, the repaint that
// draws every sphere with the mesh, one draw each, as the view did before
// (the spheres drawn over the finished scene instead of first, which costs
// the same). Needs a display (run it with xvfb-run); without one it says so
// and stops.
#include "editor/qt/view/scene_renderer_gl.hpp"
#include "editor/qt/view/texture_handles_gl.hpp"
#include "support/scripted_prompts.hpp"
#include "view_projects.hpp"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <benchmark/benchmark.h>
#include <qopengl.h>

#include <cstdio>
#include <memory>

namespace {

using namespace meshsmith;

// Every sphere with the mesh, one draw each, in the vertex colour.
void drawMeshSpheres(const Project& p) {
    const SphereMesh& mesh = unitSphere();
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, mesh.positions.data());
    const Rgb c = viewColoursOf(p.options).vertex;
    for (const Vertex& v : p.object.vertices) {
        glColor3f(c.r, c.g, c.b);
        const float radius = drawnVertexRadius(p.options.VertexDisplaySize, false);
        glPushMatrix();
        glTranslatef(v.X, v.Y, v.Z);
        glScalef(radius, radius, radius);
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(mesh.positions.size() / 3));
        glPopMatrix();
    }
    glDisableClientState(GL_VERTEX_ARRAY);
}

enum class Spheres { None, Now, EachWithTheMesh };

void Repaint(benchmark::State& state, Spheres spheres) {
    Project project = bench::terrainProject(static_cast<int>(state.range(0)), 20000);
    const Matrix4 camera = bench::benchCamera(project);
    SceneOptions options;
    options.showVertices = spheres == Spheres::Now;
    TextureHandles textures;
    test::RecordingLog log;
    textures.update(project, 1, "", log);
    for (auto _ : state) {
        paintScene({project, options, {0, 0, 0}, textures, camera});
        if (spheres == Spheres::EachWithTheMesh) drawMeshSpheres(project);
        glFinish();
    }
    textures.release();
}

void RepaintWithVertices(benchmark::State& state) {
    Repaint(state, Spheres::Now);
}
void RepaintWithMeshSpheres(benchmark::State& state) {
    Repaint(state, Spheres::EachWithTheMesh);
}
void RepaintWhileMoving(benchmark::State& state) {
    Repaint(state, Spheres::None); // drags and camera bars leave the spheres out
}
BENCHMARK(RepaintWithVertices)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2);
BENCHMARK(RepaintWithMeshSpheres)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2);
BENCHMARK(RepaintWhileMoving)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(30000)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2);

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface)) {
        std::fprintf(stderr, "no OpenGL context: run this under a display (xvfb-run -a)\n");
        return 1;
    }
    QOpenGLFramebufferObject frame(1024, 768, QOpenGLFramebufferObject::Depth);
    frame.bind();
    glViewport(0, 0, 1024, 768);
    initialiseSceneState();
    std::printf("OpenGL renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
