#pragma once
// Gathers the About box's facts from Qt and the platform probes: the
// operating system, the processor, the memory, the view's size and the
// strings of its OpenGL context.

#include "editor/core/shell/system_information.hpp"

#include <optional>

class QWidget;

namespace meshsmith {

// The facts for `view` (may be null: no size; the OpenGL strings then come
// from a context made for the question). Never fails: what cannot be told is
// left unknown.
SystemFacts gatherSystemFacts(QWidget* view);

// The strings of the view's OpenGL context when the view is (or holds) a
// QOpenGLWidget with a valid context; otherwise of a temporary context on an
// offscreen surface; nullopt when no context can be made. The context that was
// current before is current again afterwards.
std::optional<OpenGlStrings> queryOpenGlStrings(QWidget* view);

} // namespace meshsmith
