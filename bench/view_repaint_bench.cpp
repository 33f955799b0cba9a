// A full repaint of the view with OpenGL (Mesa's software renderer under
// Xvfb here): vertex spheres, quads, in a 1024 x 768 frame buffer, finished
// with glFinish. Terrains of 1000, 10000 and 30000 vertices under 20000 quads.
// Needs a display (run it with xvfb-run); without one it says so and stops.
#include "editor/qt/view/scene_renderer_gl.hpp"
#include "editor/qt/view/texture_handles_gl.hpp"
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

class NoLog : public LogSink {
  public:
    void addLine(const std::string&) override {}
};

void Repaint(benchmark::State& state, bool withVertices) {
    Project project = bench::terrainProject(static_cast<int>(state.range(0)), 20000);
    project.ShowVerticesNow = withVertices;
    const Matrix4 camera = bench::benchCamera(project);
    const SceneOptions options;
    TextureHandles textures;
    NoLog log;
    textures.update(project, "", log);
    for (auto _ : state) {
        paintScene({project, options, {0, 0, 0}, textures, camera});
        glFinish();
    }
    textures.release();
}

void RepaintWithVertices(benchmark::State& state) {
    Repaint(state, true);
}
void RepaintWhileMoving(benchmark::State& state) {
    Repaint(state, false); // drags and camera bars leave the spheres out
}
BENCHMARK(RepaintWithVertices)
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
