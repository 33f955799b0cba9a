#include "editor/core/textures/texture_library_rules.hpp"

#include "editor/core/shell/project_listing.hpp"
#include "model/paths.hpp"

#include <cmath>

namespace meshsmith {

std::array<std::string, 6> textureGridCells(const TextureData& t, std::size_t index) {
    return {std::to_string(index),
            fileNameOf(t.Filename),
            std::to_string(t.Transparent),
            std::to_string(t.RepeatValue),
            t.Filename,
            t.MaskFilename};
}

int textureGridRows(const Project& p) {
    return static_cast<int>(p.object.textures.size()) + kSpareTextureRows;
}

bool textureButtonsEnabled(const Project& p, std::int32_t selectedTexture) {
    return selectedTexture >= 0 &&
           static_cast<std::size_t>(selectedTexture) < p.object.textures.size();
}

std::string rgbLabel(Colour c) {
    return "RGB: " + std::to_string(redOf(c)) + "," + std::to_string(greenOf(c)) + "," +
           std::to_string(blueOf(c));
}

int toggleIntervalMs(int rate) {
    return static_cast<int>(std::lround(1000.0 / rate));
}

std::string toggleCaption(int rate) {
    return "Toggle Texture --> " + std::to_string(rate) + "/sec";
}

std::string backColorMessage(std::int32_t displayClass) {
    return "This is how the 3DO will look like in GPL when the particular graphic option is "
           "un-checked.\r\rDisplay Class is currently set to:\r\"" +
           displayClassCaption(displayClass) + "\"";
}

void previewBackColors(const Project& p, UserPrompts& prompts,
                       const std::function<void(bool)>& preview) {
    preview(true);
    prompts.showMessage(backColorMessage(p.object.DisplayClass));
    preview(false);
}

} // namespace meshsmith
