#pragma once
// The window "Set Texture Coordinates" (TextureViewForm): the texture, filling
// a square client area, into which the user clicks to set coordinates. Also
// previews a bitmap without picking. Stays on top.

#include "editor/core/textures/texture_mapping_rules.hpp"
#include "editor/qt/textures/texture_images.hpp"

#include <QDialog>

#include <functional>
#include <string>

namespace meshsmith {

class TextureViewForm : public QDialog {
    Q_OBJECT
  public:
    // Takes a click as (u, v); returns true when the window should close.
    using PickHandler = std::function<bool(TexCoord uv)>;
    // The caption while the mouse is at (x, y) of the image shown w by h.
    using CaptionText = std::function<std::string(int x, int y, int w, int h)>;

    // Without a handler the window only shows the bitmap.
    TextureViewForm(const BmpImage& bitmap, QWidget* parent, PickHandler pick = {},
                    CaptionText caption = {});

    ImageView* image() const { return image_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    ImageView* image_ = nullptr;
    PickHandler pick_;
    CaptionText caption_;
};

} // namespace meshsmith
