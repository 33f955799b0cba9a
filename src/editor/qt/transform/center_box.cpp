#include "editor/qt/transform/center_box.hpp"

#include <QVBoxLayout>

namespace meshsmith {

CenterBox::CenterBox(EditorContext& context, QWidget* parent)
    : VertexTransformBox(context, parent, "CenterBox", "Center All Vertices") {
    auto* layout = new QVBoxLayout(this);
    addButtons(layout, {"OKButton", "Ok", "Center All Vertices around 0,0,0"}, {},
               {"UndoButton", "Undo", nullptr}, {"CancelButton", "Close", nullptr});
}

void CenterBox::showAxis(bool on) {
    ProjectOptions o = context_.document.options();
    o.ShowAxis = on;
    context_.document.setOptions(o);
}

void CenterBox::prepare() {
    axisShownBefore_ = context_.document.options().ShowAxis;
    showAxis(true);
    enableActions();
}

OperationResult CenterBox::transform(const VertexChoice&) {
    return context_.document.run(&centerVertices);
}

void CenterBox::done(int result) {
    if (isVisible()) showAxis(axisShownBefore_);
    VertexTransformBox::done(result);
}

} // namespace meshsmith
