#include "editor/qt/transform/center_box.hpp"

#include <QAction>
#include <QVBoxLayout>

namespace meshsmith {

CenterBox::CenterBox(EditorContext& context, QAction* showAxis, QWidget* parent)
    : VertexTransformBox(context, parent, "CenterBox", "Center All Vertices", "Undo Center"),
      showAxis_(showAxis) {
    auto* layout = new QVBoxLayout(this);
    addButtons(layout, {"OKButton", "Ok", "Center All Vertices around 0,0,0"}, {},
               {"UndoButton", "Undo", nullptr}, {"CancelButton", "Close", nullptr});
}

void CenterBox::showAxis(bool on) {
    context_.project.options.ShowAxis = on;
    showAxis_->setChecked(on);
    context_.repaintView();
}

void CenterBox::prepare() {
    axisShownBefore_ = context_.project.options.ShowAxis;
    showAxis(true);
    enableActions();
}

OperationResult CenterBox::transform(VertexScope) {
    return centerVertices(context_.project, undo_);
}

void CenterBox::done(int result) {
    if (isVisible()) showAxis(axisShownBefore_);
    VertexTransformBox::done(result);
}

} // namespace meshsmith
