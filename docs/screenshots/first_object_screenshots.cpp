// Pictures for "Your first object" and the user guide: the editor is driven
// through the steps a new user takes to make a sign from nothing, and each
// window is grabbed at the moment the guide describes it.
//
//   meshsmith-first-object-screenshots OUTPUT_FOLDER
//
// Dialogs and questions are answered from a script, as in the window tests.
#include "editor/qt/attributes/attribute_dialogs.hpp"
#include "editor/qt/attributes/collision_form.hpp"
#include "editor/qt/geometry/line_form.hpp"
#include "editor/qt/geometry/polygon_form.hpp"
#include "editor/qt/geometry/vertex_form.hpp"
#include "editor/qt/textures/select_texture_form.hpp"
#include "editor/qt/textures/texture_form.hpp"
#include "editor/qt/transform/mirror_box.hpp"
#include "editor/qt/transform/move_box.hpp"
#include "editor/qt/transform/poly_copy_form.hpp"
#include "editor/qt/transform/poly_move_form.hpp"
#include "editor/qt/transform/rotate_box.hpp"
#include "editor/qt/transform/scale_box.hpp"
#include "editor_harness.hpp"
#include "model/bmp_image.hpp"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cstdlib>
#include <filesystem>
#include <iostream>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// Saves pictures into one folder and remembers whether every save worked.
class Camera {
  public:
    explicit Camera(QString folder) : folder_(std::move(folder)) {}
    void shoot(QWidget* window, const char* name) {
        waitUntil([] { return false; }, 300); // let layouts and the view settle
        const QString path = folder_ + "/" + name + ".png";
        if (!window || !window->grab().save(path)) {
            std::cerr << "could not write " << path.toStdString() << "\n";
            ok_ = false;
        }
    }
    // A step that went wrong: its picture would show the wrong thing.
    void require(bool done, const char* what) {
        if (!done) std::cerr << "could not " << what << "\n";
        ok_ = ok_ && done;
    }
    bool ok() const { return ok_; }

  private:
    QString folder_;
    bool ok_ = true;
};

QPushButton* button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(name);
}

template <typename Window> Window* open(MainForm& form, MainItem item) {
    form.item(item)->trigger();
    return form.findChild<Window*>();
}

// A red road sign with a white border and two white chevrons pointing right.
BmpImage signPicture() {
    constexpr int w = 64, h = 32;
    BmpImage sign = filledBmp(w, h, 0x2020C0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool border = x < 2 || y < 2 || x >= w - 2 || y >= h - 2;
            const int arm = x - 14 + std::abs(y - h / 2); // across the chevrons
            const bool chevron = y > 5 && y < h - 6 && arm >= 0 && arm < 24 && arm % 16 < 8;
            if (border || chevron) sign.pixels[static_cast<std::size_t>(y * w + x)] = 0xFFFFFF;
        }
    return sign;
}

// Steps 1 and 2: four vertices, then one polygon over them with typed corners.
void makeGeometry(EditorHarness& h, Camera& camera) {
    auto* vertices = open<VertexForm>(*h.form, MainItem::CreateVertices);
    addTypedVertices(*vertices, {"0 0 0", "0 0 3", "6 0 3", "6 0 0"});
    camera.shoot(vertices, "vertices");
    vertices->close();

    auto* polygons = open<PolygonForm>(*h.form, MainItem::Polygons);
    h.prompts.answers = {Answer::No}; // "Pick vertices with the mouse?": typed instead
    button(polygons, "FlatButton")->click();
    auto* manual = polygons->findChild<QDialog*>("ManVForm");
    auto* corner = manual->findChild<QComboBox*>("VertexComboBox");
    for (const char* n : {"0", "1", "2", "3"}) {
        corner->setEditText(n);
        if (*n == '3') camera.shoot(manual, "manual-vertices"); // the last corner typed
        button(manual, "AddButton")->click();
    }
    button(manual, "CloseButton")->click();
    camera.shoot(polygons, "polygons");
    polygons->close();
}

// Steps 3 and 4: the bitmap into the library, then onto the polygon.
void addTexture(EditorHarness& h, Camera& camera) {
    auto* library = open<TextureForm>(*h.form, MainItem::LoadTextures);
    h.files.paths = {h.work.file("sign.bmp")};
    button(library, "LoadTexButton")->click();
    camera.shoot(library, "textures");
    library->close();

    auto* assign = open<SelectTextureForm>(*h.form, MainItem::AssignTextures);
    assign->findChild<QListWidget*>("SelPolyListBox")->item(0)->setSelected(true);
    camera.require(choose(assign->findChild<QComboBox*>("TextureComboBox"), "sign.bmp") &&
                       choose(assign->findChild<QComboBox*>("StyleComboBox"), "Entire Texture"),
                   "choose the texture");
    camera.shoot(assign, "assign-texture");
    button(assign, "OKButton")->click();
}

// Steps 5 to 7: description, display class and one collision volume.
void addAttributes(EditorHarness& h, Camera& camera) {
    whenShown<DescForm>("DescForm", [&camera](DescForm& d) {
        d.findChild<QLineEdit*>("DescEdit")->setText("Sign made from scratch");
        camera.shoot(&d, "description");
        button(&d, "SaveButton")->click();
    });
    h.form->item(MainItem::Description)->trigger();
    whenShown<DisplayClassForm>("DisplayClassForm", [&camera](DisplayClassForm& d) {
        camera.require(choose(d.findChild<QComboBox*>("DCComboBox"), "Tree"), "choose Tree");
        camera.shoot(&d, "display-class");
        button(&d, "OKButton")->click();
    });
    h.form->item(MainItem::Visibility)->trigger();

    auto* collision = open<CollisionForm>(*h.form, MainItem::Collision);
    button(collision, "AddVolumeButton")->click();
    collision->findChild<QListWidget*>("PolyListBox")->item(0)->setSelected(true);
    camera.require(choose(collision->findChild<QComboBox*>("ReboundComboBox"), "Armco"),
                   "choose Armco");
    camera.shoot(collision, "collision-add");
    button(collision, "AddButton")->click();
    button(collision, "BackButton")->click();
    camera.shoot(collision, "collision");
    button(collision, "CloseButton")->click();
}

// Step 8: saved, built, and the sign framed in the view.
bool saveAndBuild(EditorHarness& h, Camera& camera) {
    h.prompts.savePaths = {h.work.file("sign.3dp")};
    h.form->onSaveProjectAs();
    h.form->onWriteAseAndConvert();
    if (!waitUntil([&] { return !h.form->converterRunning(); })) return false;
    if (!h.form->item(MainItem::ShowTextures)->isChecked())
        h.form->item(MainItem::ShowTextures)->trigger();
    h.form->view()->onZoomAll();
    camera.shoot(h.form.get(), "main-window");
    return std::filesystem::exists(h.work.file("sign.3do"));
}

// The windows the walk-through does not open, for their pages in the guide.
void otherWindows(EditorHarness& h, Camera& camera) {
    auto* lines = open<LineForm>(*h.form, MainItem::Lines);
    camera.shoot(lines, "lines");
    lines->close();
    const auto shootAndClose = [&](QWidget* window, const char* name) {
        camera.shoot(window, name);
        window->close();
    };
    shootAndClose(open<RotateBox>(*h.form, MainItem::Rotate), "rotate");
    shootAndClose(open<MoveBox>(*h.form, MainItem::Move), "move");
    shootAndClose(open<MirrorBox>(*h.form, MainItem::Mirror), "mirror");
    shootAndClose(open<ScaleBox>(*h.form, MainItem::Scale), "scale");
    shootAndClose(open<PolyCopyForm>(*h.form, MainItem::CopyPolygon), "copy-polygon");
    shootAndClose(open<PolyMoveForm>(*h.form, MainItem::MovePolygon), "move-polygon");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: meshsmith-first-object-screenshots OUTPUT_FOLDER\n";
        return 2;
    }
    Camera camera(QString::fromLocal8Bit(argv[1]));
    EditorHarness h;
    copyProgram("3DO-Kiln", h.app.folder());
    if (!writeBmpFile(h.work.file("sign.bmp"), signPicture()).done()) return 1;
    MainForm& form = h.start();
    form.showNormal();
    form.resize(1280, 800);

    makeGeometry(h, camera);
    addTexture(h, camera);
    addAttributes(h, camera);
    const bool built = saveAndBuild(h, camera);
    otherWindows(h, camera);
    for (const std::string& message : h.prompts.messages)
        std::cerr << "message: " << message << "\n";
    if (!built) std::cerr << "the sign was not built into a 3DO\n";
    return built && camera.ok() && h.prompts.messages.empty() ? 0 : 1;
}
