#pragma once
// The window "Manual Vertex selection": vertex numbers typed one at a time for
// a new polygon, the ends of a line or the corners of a redefined polygon
// (ManualVertexEntry). Modal over the whole editor; it does not block its
// caller: when the numbers are complete it hands them to `apply` and closes.
// It deletes itself when closed.

#include "editor/core/geometry/manual_vertex_entry.hpp"

#include <QDialog>

#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace meshsmith {

class UserPrompts;

class ManualVertexForm : public QDialog {
    Q_OBJECT
  public:
    // `apply` gets the closed polygon (a new polygon) or the numbers typed.
    using Apply = std::function<void(const std::vector<std::int32_t>&)>;
    ManualVertexForm(UserPrompts& prompts, ManualVertexEntry entry, Apply apply, QWidget* parent);

  private:
    void onAddVertex();
    void onClosePolygon();
    void complete(const std::vector<std::int32_t>& vertices);
    void askNext();

    UserPrompts& prompts_;
    ManualVertexEntry entry_;
    Apply apply_;
    QLabel* prompt_ = nullptr;
    QComboBox* vertexBox_ = nullptr;
};

} // namespace meshsmith
