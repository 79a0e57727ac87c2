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
    void mousePressEvent(QMouseEvent* event) override;
    // Shift+F10 opens the list's menu at its current line, as the Menu key does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showSelection();
    void showTopLine();
    void applyExtent();
    void onUserSelection(const QItemSelection& selected, const QItemSelection& deselected);

    ListBox& list_;
    ListBoxModel* model_;
    LineDelegate* delegate_;
    bool mirroring_ = false;  // the view is being set from the model
    bool reporting_ = false;  // the model is being told the user's selection
};

}  // namespace kombinator::ui
