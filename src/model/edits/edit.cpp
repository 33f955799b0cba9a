#include "model/edits/edit.hpp"

#include "model/object_check.hpp"

#include <cassert>

namespace meshsmith {
namespace {

void restore(Project& p, EditHistory::State state) {
    p.object = std::move(state.object);
    p.GeometryPresent = state.geometryPresent;
    if (state.frame) applyFrame(p, *state.frame);
    updateBounds(p);
}

// The options with the way the project is looked at set aside: turning the
// camera around a project leaves nothing unsaved worth asking about.
ProjectOptions savedPart(ProjectOptions o) {
    const ProjectOptions fresh;
    o.ZoomRatio = fresh.ZoomRatio;
    o.RotationX = o.RotationY = o.RotationZ = o.PanX = o.PanY = 0;
    o.ShowAxis = fresh.ShowAxis;
    o.ShowVertices = fresh.ShowVertices;
    o.ShowLines = fresh.ShowLines;
    o.ShowPolygons = fresh.ShowPolygons;
    o.ShowTextures = fresh.ShowTextures;
    o.Perspective = fresh.Perspective;
    return o;
}

} // namespace

OperationResult applyEdit(Project& p, const std::string& name,
                          const std::function<OperationResult(Project&)>& change) {
    if (p.history.differsFromCurrent(p.object, p.GeometryPresent)) {
        // Only a project put together without a history (by a tool or a test)
        // may differ before its first step; anything else changed the object
        // around this entry point.
        assert(p.history.steps() == 0 && "the object was changed around the edit history");
        if (p.history.steps() == 0) startHistory(p);
    }
    const ProjectFrame before = frameOf(p);
    OperationResult result = change(p);
    assert(!findObjectFault(p.object) && "an edit broke the object's invariants");
    if (result.done()) p.history.record(name, p.object, p.GeometryPresent, before, frameOf(p));
    return result;
}

void startHistory(Project& p) {
    p.history.reset(p.object, p.GeometryPresent);
    markSaved(p);
}

void markSaved(Project& p) {
    p.history.markSaved(savedPart(p.options));
}

void markUnsaved(Project& p) {
    p.history.forgetSaved();
}

bool hasUnsavedChanges(const Project& p) {
    return !p.history.isSaved(savedPart(p.options));
}

OperationResult undoEdit(Project& p) {
    if (!p.history.canUndo()) return OperationResult::refused("Nothing to undo");
    restore(p, p.history.undo());
    return {};
}

OperationResult redoEdit(Project& p) {
    if (!p.history.canRedo()) return OperationResult::refused("Nothing to redo");
    restore(p, p.history.redo());
    return {};
}

std::string undoCaption(const Project& p) {
    return p.history.canUndo() ? "Undo " + p.history.undoName() : "Undo";
}

std::string redoCaption(const Project& p) {
    return p.history.canRedo() ? "Redo " + p.history.redoName() : "Redo";
}

} // namespace meshsmith
