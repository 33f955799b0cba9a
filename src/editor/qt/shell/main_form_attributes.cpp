// The main window's attribute commands: collision volumes, display class and
// description.
#include "editor/qt/shell/main_form.hpp"

#include "editor/qt/attributes/attribute_dialogs.hpp"
#include "editor/qt/attributes/collision_form.hpp"

namespace meshsmith {

void MainForm::onDescription() {
    DescForm dialog(context_, this);
    dialog.exec();
}

void MainForm::onVisibility() {
    DisplayClassForm dialog(context_, this);
    dialog.exec();
}

void MainForm::onCollision() {
    if (context_.project.object.polygons.empty())
        return context_.prompts.showMessage("No Polygons defined !");
    if (!collisionForm_) collisionForm_ = new CollisionForm(context_, this);
    collisionForm_->show();
    collisionForm_->raise();
    collisionForm_->activateWindow();
}

} // namespace meshsmith
