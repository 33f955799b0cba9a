#pragma once
// The one entry point through which every change of the object goes, so that
// each is one step of the edit history, and Undo and Redo over it.

#include "model/outcome.hpp"
#include "model/project.hpp"

#include <functional>
#include <string>

namespace meshsmith {

// Runs `change` on the project. When it ends Done and the object,
// GeometryPresent or the project's frame (file, name, caption, options)
// changed, that change becomes the step `name` of the history ("Add Vertex");
// steps that could have been redone are dropped. A change that does not end
// Done must leave the project as it was. In debug builds the object is
// checked for its invariants after the change, and before it the object must
// be the state the history holds (a change made around this entry point shows
// there); a project without steps yet takes its object as where the history
// starts.
OperationResult applyEdit(Project& p, const std::string& name,
                          const std::function<OperationResult(Project&)>& change);

// Starts the history anew from the object as it is (a project opened, closed
// or loaded by a tool); the project as it is counts as saved.
void startHistory(Project& p);

// Unsaved changes: the object, or an option other than the way it is looked
// at (camera, zoom, pan, the View Options switches and perspective), differs
// from what the project file held when the project was last saved or opened.
// markSaved: the project as it is was just written to its file; markUnsaved:
// its file holds something else (a recovered project), whatever is undone.
void markSaved(Project& p);
void markUnsaved(Project& p);
bool hasUnsavedChanges(const Project& p);

// Undo: the object as it was before the last step, with GeometryPresent, and
// the frame when the step changed it (Clear All); the bounds updated. Refused
// with "Nothing to undo" when there is no step. Redo the same forward
// ("Nothing to redo").
OperationResult undoEdit(Project& p);
OperationResult redoEdit(Project& p);

// "Undo Add Vertex" / "Redo Add Vertex", or "Undo" / "Redo" when there is nothing.
std::string undoCaption(const Project& p);
std::string redoCaption(const Project& p);

} // namespace meshsmith
