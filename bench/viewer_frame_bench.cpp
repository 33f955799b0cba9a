// A full frame of 3DO-View beside one of the editor, both of the largest
// random scenery object whose 3DO fits the converter's tables, with OpenGL
// (Mesa's software renderer under Xvfb here) in a 1024 x 768 window, each
// frame asked for, drawn, shown and finished with glFinish. The viewer's frame
// is its canvas's: the tree walked from the eye and every polygon drawn
// textured in that order. The editor's is that of a canvas drawing as the
// editor's view does (texture check, then the scene with its vertex spheres) the project
// that the OBJ import makes of the same object. Both cameras are the
// viewer's first one (front corner, zoomed to fit). The object is generated
// and converted at start into a temporary folder with its bitmaps. Needs a
// display (run it with xvfb-run); without one it says so and stops.
#include "editor/core/view/camera_controls.hpp"
#include "editor/qt/view/scene_renderer_gl.hpp"
#include "editor/qt/view/texture_handles_gl.hpp"
#include "import/model_import.hpp"
#include "kiln_conversion.hpp"
#include "model/bmp_image.hpp"
#include "random_objects.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"
#include "viewer/core/bitmap_search.hpp"
#include "viewer/core/first_camera.hpp"
#include "viewer/qt/viewer_canvas.hpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QStackedLayout>
#include <QSurfaceFormat>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <qopengl.h>

#include <cstdio>
#include <fstream>
#include <memory>

namespace {

using namespace meshsmith;

constexpr int kWidth = 1024, kHeight = 768;
constexpr std::uint32_t kSeed = 1;

// The editor's view drawing, without the editor around it.
class EditorCanvas : public QOpenGLWidget {
  public:
    explicit EditorCanvas(Project& project) : project_(project) {
        viewer::firstCamera(project_.options, controls_, project_.bounds, kWidth, kHeight);
    }
    ~EditorCanvas() override {
        makeCurrent();
        textures_.release();
        doneCurrent();
    }
    int drawCount() const { return drawCount_; }

  protected:
    void initializeGL() override { initialiseSceneState(); }
    void paintGL() override {
        textures_.update(project_, 1, "", log_);
        SceneOptions options;
        options.showVertices = verticesShown(project_.options, controls_);
        const qreal ratio = devicePixelRatioF();
        const Viewport v{0, 0, static_cast<int>(width() * ratio), static_cast<int>(height() * ratio)};
        const Matrix4 camera =
            cameraMatrices(
                cameraViewOf(project_.options, project_.bounds, controls_.preset, controls_.panScale), v)
                .combined();
        paintScene({project_, options, {0, 0, 0}, textures_, camera});
        ++drawCount_;
    }

  private:
    Project& project_;
    CameraControls controls_;
    TextureHandles textures_;
    test::RecordingLog log_;
    int drawCount_ = 0;
};

struct Scenery {
    test::TempFolder folder;
    int faces = 0;
    kiln_bench::Conversion conversion;
    viewer::ViewerScene scene;
    Project project;
};

// The largest object of the sizes tried (from 12,000 faces down in steps of
// 200, then up again in steps of 50) that the converter takes.
bool makeScenery(Scenery& s) {
    auto convert = [&](int faces) {
        std::printf("converting %d faces ...\n", faces);
        std::fflush(stdout);
        kiln_bench::Conversion c =
            kiln_bench::convertNow(bench::editorAseText(bench::randomObject(kSeed, faces)),
                                   s.folder.file("scenery.ase"), kiln_bench::Reader::Meshsmith);
        if (!c.refusal.empty()) return false;
        s.faces = faces;
        s.conversion = std::move(c);
        return true;
    };
    int faces = 12000;
    while (faces > 0 && !convert(faces)) faces -= 200;
    if (faces <= 0) return false;
    while (faces < 12000 && convert(faces + 50)) faces += 50;

    const bench::RandomObject object = bench::randomObject(kSeed, s.faces);
    for (const std::string& t : object.textures)
        writeBmpFile(s.folder.file(t + ".bmp"),
                     BmpImage{64, 64, std::vector<Colour>(64 * 64, 0x00406080)});

    const std::string threeDo = s.folder.file("scenery.3do");
    std::ofstream(threeDo, std::ios::binary)
        .write(reinterpret_cast<const char*>(s.conversion.bytes.data()),
               static_cast<std::streamsize>(s.conversion.bytes.size()));
    viewer::LoadedThreeDo loaded = viewer::loadThreeDo(threeDo);
    if (!loaded.file) {
        std::fprintf(stderr, "%s\n", loaded.refusal.c_str());
        return false;
    }
    s.scene = viewer::viewerScene(std::move(*loaded.file), viewer::bitmapFolders(threeDo, {}));

    test::writeFile(s.folder.file("scenery.mtl"), bench::mtlText(object));
    test::writeFile(s.folder.file("scenery.obj"), bench::objText(object, "scenery.mtl"));
    test::ScriptedPrompts prompts;
    test::RecordingLog log;
    RandomColours colours(1);
    if (!importModelFile(s.project, s.folder.file("scenery.obj"), ModelFormat::WavefrontObj,
                         prompts, log, colours, nullptr)
             .done()) {
        std::fprintf(stderr, "the editor's import of the OBJ file failed\n");
        return false;
    }
    for (const std::string& line : log.lines) std::printf("import: %s\n", line.c_str());
    return true;
}

Scenery* gScenery = nullptr;
viewer::ViewerCanvas* gViewer = nullptr;
EditorCanvas* gEditor = nullptr;

// One window holds both canvases, one shown at a time, as the programs hold theirs.
QWidget* gWindow = nullptr;
QStackedLayout* gStack = nullptr;

// Brings `w` up in the window and waits until it has drawn a frame on screen.
template <class Canvas> bool bringUp(Canvas& w) {
    gStack->setCurrentWidget(&w);
    w.update();
    const int before = w.drawCount();
    QElapsedTimer timer;
    timer.start();
    while (!(gWindow->windowHandle()->isExposed() && w.drawCount() > before) &&
           timer.elapsed() < 20000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    return w.drawCount() > before && w.context() && w.context()->isValid();
}

template <class Canvas>
void frames(benchmark::State& state, Canvas& w) {
    if (!bringUp(w)) {
        state.SkipWithError("the window did not show");
        return;
    }
    // repaint() leaves a canvas of a window on screen undrawn here: the frame
    // is asked for as the programs ask for theirs, and waited for.
    for (auto _ : state) {
        const int before = w.drawCount();
        w.update();
        while (w.drawCount() == before) QApplication::processEvents();
        w.makeCurrent();
        glFinish();
    }
    const viewer::SceneCounts& counts = gScenery->scene.counts;
    state.counters["faces"] = gScenery->faces;
    state.counters["polygons_3do"] = static_cast<double>(counts.polygons);
    state.counters["nodes_3do"] = static_cast<double>(counts.nodes);
    state.counters["polygons_editor"] = static_cast<double>(gScenery->project.object.polygons.size());
}

void ViewerFrame(benchmark::State& state) {
    frames(state, *gViewer);
}
void EditorFrame(benchmark::State& state) {
    frames(state, *gEditor);
}
BENCHMARK(ViewerFrame)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(EditorFrame)->Unit(benchmark::kMillisecond)->MinTime(2);

} // namespace

int main(int argc, char** argv) {
    // The fixed-function drawing needs a compatibility context, as in both programs.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
    QApplication app(argc, argv);

    auto scenery = std::make_unique<Scenery>();
    if (!makeScenery(*scenery)) {
        std::fprintf(stderr, "no random object fits the converter's tables\n");
        return 1;
    }
    gScenery = scenery.get();
    const viewer::SceneCounts& counts = scenery->scene.counts;
    std::printf("object: %d faces (editor: %zu polygons, %zu vertices); 3DO: %zu polygons, %zu nodes, "
                "%zu vertices, %zu bitmaps not found\n",
                scenery->faces, scenery->project.object.polygons.size(),
                scenery->project.object.vertices.size(), counts.polygons, counts.nodes,
                counts.vertices, scenery->scene.missingBitmaps.size());

    QWidget window;
    auto* stack = new QStackedLayout(&window);
    stack->setContentsMargins(0, 0, 0, 0);
    auto* viewerCanvas = new viewer::ViewerCanvas;
    auto* editorCanvas = new EditorCanvas(scenery->project);
    stack->addWidget(viewerCanvas);
    stack->addWidget(editorCanvas);
    window.resize(kWidth, kHeight);
    window.show();
    gWindow = &window;
    gStack = stack;
    viewerCanvas->setScene(&scenery->scene, false); // framed in its size on screen
    if (!bringUp(*editorCanvas) || !bringUp(*viewerCanvas)) {
        std::fprintf(stderr, "no OpenGL drawing: run this under a display (xvfb-run -a)\n");
        return 1;
    }
    gViewer = viewerCanvas;
    gEditor = editorCanvas;
    viewerCanvas->makeCurrent();
    std::printf("OpenGL renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
