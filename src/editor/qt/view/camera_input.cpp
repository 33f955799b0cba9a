#include "editor/qt/view/camera_input.hpp"

#include <QMenu>

namespace meshsmith {

ViewKey viewKeyOf(int key) {
    switch (key) {
    case Qt::Key_F1:
        return ViewKey::F1;
    case Qt::Key_F2:
        return ViewKey::F2;
    case Qt::Key_F3:
        return ViewKey::F3;
    case Qt::Key_F4:
        return ViewKey::F4;
    case Qt::Key_F5:
        return ViewKey::F5;
    case Qt::Key_F6:
        return ViewKey::F6;
    case Qt::Key_F7:
        return ViewKey::F7;
    case Qt::Key_F8:
        return ViewKey::F8;
    case Qt::Key_Left:
        return ViewKey::Left;
    case Qt::Key_Right:
        return ViewKey::Right;
    case Qt::Key_Up:
        return ViewKey::Up;
    case Qt::Key_Down:
        return ViewKey::Down;
    default:
        return ViewKey::Other;
    }
}

void turnWheel(ProjectOptions& options, int& remainder, int delta) {
    remainder += delta;
    for (; remainder >= 120; remainder -= 120)
        wheelZoom(options, WheelStep::Up);
    for (; remainder <= -120; remainder += 120)
        wheelZoom(options, WheelStep::Down);
}

void fillCameraMenu(QMenu& menu, bool perspective, const std::function<void(CameraCommand)>& run) {
    for (const CameraCommandItem& item : cameraCommandItems()) {
        if (item.command == CameraCommand::Left) menu.addSeparator();
        QAction* action = menu.addAction(item.text);
        if (item.command == CameraCommand::Perspective) {
            action->setCheckable(true);
            action->setChecked(perspective);
        }
        QObject::connect(action, &QAction::triggered, &menu, [run, c = item.command] { run(c); });
    }
}

} // namespace meshsmith
