#pragma once
// The rules of the texture library window and its two dialogs, without their
// widgets: the grid's cells, which buttons may be used, the colour read-out
// while picking, the background-colour dialog's toggle rate, and the preview
// of the background colours on the polygons.

#include "model/colour_text.hpp"
#include "model/project.hpp"
#include "model/user_interaction.hpp"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace meshsmith {

// Rows past the last texture that the grid always keeps empty.
inline constexpr int kSpareTextureRows = 10;
inline constexpr std::array<const char*, 6> kTextureGridHeaders = {
    "Index", "Short Filename", "Transparency", "Repeat Values", "Filename", "Mask Filename"};

// The six cells of texture `index`, in the columns of kTextureGridHeaders.
std::array<std::string, 6> textureGridCells(const TextureData& texture, std::size_t index);

// The grid's row count (header row not counted): the textures and the spare rows.
int textureGridRows(const Project& p);

// Replace, Transparency, Background Color and Remove Selected may be used
// while the selected texture exists.
bool textureButtonsEnabled(const Project& p, std::int32_t selectedTexture);

// "RGB: 12,34,56": a colour's components while the mouse moves over a texture.
std::string rgbLabel(Colour colour);

// The background-colour dialog's auto-toggle: the rate (1 to 30 per second)
// gives the timer interval, 1000 ms / rate rounded to whole ms, and the check
// box caption "Toggle Texture --> 2/sec".
inline constexpr int kDefaultToggleRate = 2;
int toggleIntervalMs(int rate);
std::string toggleCaption(int rate);

// "Check Texture-specific Background Colors on Polygons": every textured
// polygon is drawn in its texture's background colour without textures
// (`preview(true)`), while the message naming the display class is shown;
// afterwards the view draws as before (`preview(false)`). The object is not
// changed.
void previewBackColors(const Project& p, UserPrompts& prompts,
                       const std::function<void(bool)>& preview);

// "This is how the 3DO will look like ... Display Class is currently set to:\r\"<caption>\"".
std::string backColorMessage(std::int32_t displayClass);

} // namespace meshsmith
