#pragma once
// The main window's command items by what they do (MainItem): each controller
// creates the actions of the commands it owns here, with their captions and
// object names; the main window arranges them in its menus and tool bar.

#include "editor/core/shell/main_items.hpp"

#include <QAction>

#include <array>
#include <functional>

namespace meshsmith {

class MainActions {
  public:
    explicit MainActions(QObject* owner) : owner_(owner) {}

    // A new action for `which` that runs `run`.
    QAction* add(MainItem which, std::function<void()> run = {});
    // A checkable action; `run` gets the new state.
    QAction* addCheckable(MainItem which, std::function<void(bool)> run);
    // An action made elsewhere (a submenu's) that stands for `which`.
    void adopt(MainItem which, QAction* action);

    QAction* operator[](MainItem which) const { return items_[static_cast<std::size_t>(which)]; }

  private:
    QObject* owner_;
    std::array<QAction*, kMainItemCount> items_{};
};

} // namespace meshsmith
