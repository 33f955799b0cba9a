#include "editor/qt/shell/editing_controller.hpp"

#include "editor/core/geometry/pick_start.hpp"
#include "editor/core/textures/texture_library_rules.hpp"
#include "editor/qt/attributes/attribute_dialogs.hpp"
#include "editor/qt/attributes/collision_form.hpp"
#include "editor/qt/geometry/line_form.hpp"
#include "editor/qt/geometry/polygon_form.hpp"
#include "editor/qt/geometry/vertex_form.hpp"
#include "editor/qt/textures/select_texture_form.hpp"
#include "editor/qt/textures/texture_form.hpp"
#include "editor/qt/transform/center_box.hpp"
#include "editor/qt/transform/mirror_box.hpp"
#include "editor/qt/transform/move_box.hpp"
#include "editor/qt/transform/poly_copy_form.hpp"
#include "editor/qt/transform/poly_move_form.hpp"
#include "editor/qt/transform/rotate_box.hpp"
#include "editor/qt/transform/scale_box.hpp"
#include "editor/qt/view/view_form.hpp"
#include "model/edits/line_edits.hpp"
#include "model/edits/vertex_edits.hpp"

#include <QKeySequence>

namespace meshsmith {

EditingController::EditingController(EditorContext& context, DocumentSignal& signal,
                                     MainActions& actions, QWidget* window)
    : QObject(window), context_(context), signal_(signal), actions_(actions), window_(window),
      log_(std::make_unique<EditorLog>(context)) {
    using enum MainItem;
    actions.add(Undo, [this] { report(context_.prompts, context_.document.undo()); })
        ->setShortcut(QKeySequence::Undo);
    actions.add(Redo, [this] { report(context_.prompts, context_.document.redo()); })
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    addWindowActions(actions);
    addCommandActions(actions);
    connect(&signal, &DocumentSignal::changed, this, &EditingController::showEditMenu);
    showEditMenu({});
}

void EditingController::needs(bool condition, const char* message,
                              const std::function<void()>& then) {
    if (!condition)
        context_.prompts.showMessage(message);
    else
        then();
}

template <typename Window, typename Make> void EditingController::showWindow(Make make) {
    auto* window = window_->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) window = make();
    window->show();
    window->raise();
    window->activateWindow();
}

void EditingController::addWindowActions(MainActions& actions) {
    using enum MainItem;
    const TrackObject& o = context_.document.object();
    EditorContext& c = context_;
    DocumentSignal& s = signal_;
    QWidget* w = window_;
    actions.add(CreateVertices, [&c, &s, w, this] {
        showWindow<VertexForm>([&] { return new VertexForm(c, s, w); });
    });
    actions.add(Lines, [&, w, this] {
        needs(o.vertices.size() >= 2, "Not enough Vertices defined", [&] {
            showWindow<LineForm>([&] { return new LineForm(c, s, lineColour_, w); });
        });
    });
    actions.add(Polygons, [&, w, this] {
        needs(o.vertices.size() >= 3, "Not enough Vertices defined",
              [&] { showWindow<PolygonForm>([&] { return new PolygonForm(c, s, w); }); });
    });
    actions.add(AssignTextures, [&, w, this] {
        needs(!o.polygons.empty(), "No Polygons defined !", [&] {
            showWindow<SelectTextureForm>(
                [&] { return new SelectTextureForm(c, s, textureHooks(), w); });
        });
    });
    actions.add(LoadTextures, [&, w, this] {
        needs(!o.vertices.empty(), "No Vertices, No Textures !", [&] {
            showWindow<TextureForm>([&] { return new TextureForm(c, s, textureHooks(), w); });
        });
    });
    actions.add(CheckBackColors, [this] { onCheckBackColors(); });
    const auto needsVertices = [&o, this](std::function<void()> show) {
        return [&o, this, show] { needs(!o.vertices.empty(), "No Vertices defined", show); };
    };
    actions.add(Rotate, needsVertices([&c, w, this] {
                    showWindow<RotateBox>([&] { return new RotateBox(c, w); });
                }));
    actions.add(Move, needsVertices([&c, w, this] {
                    showWindow<MoveBox>([&] { return new MoveBox(c, w); });
                }));
    actions.add(Mirror, needsVertices([&c, w, this] {
                    showWindow<MirrorBox>([&] { return new MirrorBox(c, w); });
                }));
    actions.add(Scale, needsVertices([&c, w, this] {
                    showWindow<ScaleBox>([&] { return new ScaleBox(c, w); });
                }));
    actions.add(Center, [&, w, this] {
        const BoundingBox& b = c.document.project().bounds;
        if (b.centreX == 0 && b.centreY == 0 && b.centreZ == 0)
            return c.prompts.showMessage("Already centered !");
        needs(!o.vertices.empty(), "No Vertices defined",
              [&] { showWindow<CenterBox>([&] { return new CenterBox(c, w); }); });
    });
    const auto needsPolygons = [&o, this](std::function<void()> show) {
        return [&o, this, show] { needs(!o.polygons.empty(), "Draw Polygons first !", show); };
    };
    actions.add(CopyPolygon, needsPolygons([&c, &s, w, this] {
                    showWindow<PolyCopyForm>([&] { return new PolyCopyForm(c, s, w); });
                }));
    actions.add(MovePolygon, needsPolygons([&c, &s, w, this] {
                    showWindow<PolyMoveForm>([&] { return new PolyMoveForm(c, s, w); });
                }));
    actions.add(Description, [&c, w] {
        DescForm dialog(c, w);
        dialog.exec();
    });
    actions.add(Visibility, [&c, w] {
        DisplayClassForm dialog(c, w);
        dialog.exec();
    });
    actions.add(Collision, [&, w, this] {
        if (o.polygons.empty()) return c.prompts.showMessage("No Polygons defined !");
        showWindow<CollisionForm>([&] { return new CollisionForm(c, s, w); });
    });
}

void EditingController::addCommandActions(MainActions& actions) {
    using enum MainItem;
    Document& doc = context_.document;
    actions.add(InterpolateVertex, [this, &doc] {
        const OperationResult r =
            doc.run(&createInterpolatedVertex, doc.selected(Purpose::Vertices), *log_);
        report(context_.prompts, r);
        // The new vertex is the one selected now, not the two it lies between.
        if (r.done())
            doc.select(Purpose::Vertices,
                       {static_cast<std::int32_t>(doc.object().vertices.size()) - 1});
    });
    actions.add(RemoveDoubleVertices,
                [this, &doc] { report(context_.prompts, doc.run(&removeDoubleVerticesStep, *log_)); });
    actions.add(AddInterpolated, [this, &doc] {
        report(context_.prompts, doc.run(&addInterpolatedVertices, context_.prompts, *log_));
    });
    actions.add(CreateVisLines, [this] { onCreateVisualizationLines(); });
    actions.add(RemoveVisLines, [this, &doc] {
        report(context_.prompts, doc.run(&removeVisualizationLinesStep, *log_));
    })->setEnabled(false);
    actions.add(ConvertVisLines, [this] { onConvertVisualizationLines(); })->setEnabled(false);
}

void EditingController::showEditMenu(const DocumentChange&) {
    const Document& doc = context_.document;
    actions_[MainItem::Undo]->setText(QString::fromStdString("&" + doc.undoCaption()));
    actions_[MainItem::Undo]->setEnabled(doc.canUndo());
    actions_[MainItem::Redo]->setText(QString::fromStdString("&" + doc.redoCaption()));
    actions_[MainItem::Redo]->setEnabled(doc.canRedo());
}

void EditingController::onCreateVisualizationLines() {
    auto pickColour = [this](Rgb& colour) { chooseColour(context_.files, colour); };
    report(context_.prompts, context_.document.run(&createVisualizationLinesStep, lineColour_,
                                                   pickColour, *log_));
}

void EditingController::onConvertVisualizationLines() {
    const OperationResult r = context_.document.run(&convertVisualizationLines, *log_);
    report(context_.prompts, r);
    if (r.done()) actions_[MainItem::Lines]->trigger();
}

TextureWindowHooks EditingController::textureHooks() {
    return {[this] {
                if (view_) view_->rebuildTextures();
            },
            [this](bool on) {
                ProjectOptions o = context_.document.options();
                o.ShowTextures = on;
                context_.document.setOptions(o);
            }};
}

void EditingController::onCheckBackColors() {
    previewBackColors(context_.document.project(), context_.prompts, [this](bool on) {
        if (view_) view_->setBackColourPreview(on);
    });
}

} // namespace meshsmith
