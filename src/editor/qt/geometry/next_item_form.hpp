#pragma once
// The question after a line or polygon picked in the view: go on with the
// same colour, with a new one, or stop ("Create New Line ?" LineColorForm,
// "Create New Polygon ?" PolygonColorForm). Modal over the whole editor
// without blocking its caller; closing it is Stop. It deletes itself.

#include <QDialog>

#include <functional>

namespace meshsmith {

enum class NextItemChoice { Same, New, Stop };

struct NextItemQuestion {
    const char* objectName;
    const char* title;
    const char* sameCaption; // "Same Color", or "Yes" when polygon colours are random
    bool offerNewColour;     // "New Color" shown
};

class NextItemForm : public QDialog {
    Q_OBJECT
  public:
    NextItemForm(const NextItemQuestion& question, std::function<void(NextItemChoice)> chosen,
                 QWidget* parent);
};

} // namespace meshsmith
