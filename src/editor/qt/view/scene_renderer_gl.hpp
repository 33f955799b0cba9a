#pragma once
// The view's drawing with OpenGL's fixed-function pipeline, in the order the
// user sees it built: background, vertex spheres, lines, visualization lines,
// polygons (mask pass, then image), axis symbol and grid. Every table access
// goes through the checks of scene_data.hpp, so no project makes the drawing
// read outside a table.

#include "editor/core/view/matrix4.hpp"
#include "model/project.hpp"
#include "editor/core/view/scene_data.hpp"
#include "editor/qt/view/texture_handles_gl.hpp"

namespace meshsmith {

struct SceneInput {
    const Project& project;
    const SceneOptions& options;
    Rgb gridColour;
    const TextureHandles& textures;
    Matrix4 combined; // projection * camera * rotations
};

// Sets the state the drawing keeps for the life of the context: depth test,
// flat shading, point smoothing.
void initialiseSceneState();

// Clears colour and depth to `background` and puts `combined` onto the
// projection matrix, the model-view matrix reset.
void clearAndLoadCamera(const Rgb& background, const Matrix4& combined);

// Paint: face culling as "Show Polygon Backfaces" says, the background
// cleared, then the scene (nothing but the background without geometry).
void paintScene(const SceneInput& in);

} // namespace meshsmith
