// A dialog window of the program as a model: its controls and handlers live in a subclass
// (`gyari`, `Form2`); the ui layer shows a view for it while it is open.
#pragma once

#include <QObject>
#include <QString>

#include <vector>

#include "platform/controls.h"

namespace kombinator {

class Dialog : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~Dialog() override = default;

    // Name of the window ("gyari", "Form2"), its caption and client size in twips.
    virtual QString windowName() const = 0;
    virtual QString caption() const = 0;
    virtual Twips clientSize() const = 0;
    // Every control of the dialog, for the view to show.
    virtual std::vector<Control*> controls() = 0;
    // The window's own close box: closes without the dialog's leaving steps.
    virtual void closeBox() = 0;
    // The control that takes the room when the user makes the window larger than its client
    // size; none for a window of one size.
    virtual QString growingControl() const { return {}; }
};

}  // namespace kombinator
