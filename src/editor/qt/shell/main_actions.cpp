#include "editor/qt/shell/main_actions.hpp"

namespace meshsmith {

QAction* MainActions::add(MainItem which, std::function<void()> run) {
    const MainItemText& t = textOf(which);
    auto* action = new QAction(t.caption, owner_);
    action->setObjectName(t.objectName);
    if (run) QObject::connect(action, &QAction::triggered, owner_, [run] { run(); });
    items_[static_cast<std::size_t>(which)] = action;
    return action;
}

QAction* MainActions::addCheckable(MainItem which, std::function<void(bool)> run) {
    QAction* action = add(which);
    action->setCheckable(true);
    QObject::connect(action, &QAction::triggered, owner_, [run](bool on) { run(on); });
    return action;
}

void MainActions::adopt(MainItem which, QAction* action) {
    items_[static_cast<std::size_t>(which)] = action;
}

} // namespace meshsmith
