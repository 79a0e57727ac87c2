// The list view of a ListBox: virtual (uniform line heights, a million lines at once), its
// selection and top line mirrored from the model, the user's selection reported to the model.
#pragma once

#include <QListView>

#include "platform/controls.h"

namespace kombinator::ui {

class ListBoxModel;
class LineDelegate;

class ListBoxView : public QListView {
    Q_OBJECT
public:
    explicit ListBoxView(ListBox& list, QWidget* parent = nullptr);

    ListBoxModel* listModel() const { return model_; }

protected:
    // The right button opens the list's menu and leaves its selection alone, as in a list box.
    // A left click on a line is the line's click, whether or not it was chosen already.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Shift+F10 opens the list's menu at its current line, as the Menu key does.
    void keyPressEvent(QKeyEvent* event) override;
    // Where the Menu key opens the list's menu, among other things: the current line's visible part.
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

private:
    // The part of the current line in view, in the list's own coordinates; the lines are as wide
    // as the scroll range, far wider than the list. Empty when the line is out of view.
    QRect visibleCurrentLine() const;
    void showSelection();
    void showTopLine();
    void applyExtent();
    void onUserSelection(const QItemSelection& selected, const QItemSelection& deselected);

    ListBox& list_;
    ListBoxModel* model_;
    LineDelegate* delegate_;
    bool mirroring_ = false;    // the view is being set from the model
    bool reporting_ = false;    // the model is being told the user's selection
    int pressedLine_ = -1;      // the line the left button went down on, until it comes up
    bool clickRaised_ = false;  // the press or release chose a line and so raised its click
};

}  // namespace kombinator::ui
