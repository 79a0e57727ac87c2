// The main window: every control of Form1 as a widget at its place, bound to its model.
#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

#include "ui/windowbuilder.h"

namespace kombinator {
class Form1;
}

namespace kombinator::ui {

class KeyMakerDialog;
class ReturnTableDialog;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    // The client area at its original size, 10185 x 7290 twips: the least it can be. Larger, the
    // grids and the lists take the room.
    static constexpr int kWidth = 679;
    static constexpr int kHeight = 486;
    // The settings key of the window's size and place.
    static constexpr const char* kGeometryKey = "ablak";

    explicit MainWindow(Form1& form, QWidget* parent = nullptr);

    // The widget of a control by its name ("List5", "Command8_3", "SSTab1:0").
    QWidget* controlWidget(const QString& name) const { return builder_.widget(name); }

    // The font of the window's text: a small sans serif, sized in pixels like the layout.
    static QFont windowFont();

    // The return table of the bet list as it stands: opens its window, or brings the open one up
    // to date. Beyond the tips the table can take, the user is told so instead.
    void showReturnTable();
    // The return table's window once it has been opened (it is kept, hidden, when closed).
    ReturnTableDialog* returnTableDialog() const;

    // The key maker's window (Ctrl+K, or its button in the key dialog): opened, or brought up.
    void showKeyMaker();
    KeyMakerDialog* keyMakerDialog() const;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab and Shift+Tab walk the controls in the order of the screen.
    bool focusNextPrevChild(bool next) override;

private:
    // What the first sight of the window does without, done once it stands: the window's icon
    // (read from three pictures) and the pictures of a tab that is not in front.
    void finishAfterShowing();
    // The keyboard's way through the window and the keys that stand for clicks outside the grids.
    void setUpKeyboard();
    void setUpNamedBets();
    // The controls that follow the window's size, with their places at the original size.
    void setUpStretching();
    struct Stretched {
        QPointer<QWidget> widget;
        QRect original;
        int left, top, right, bottom;  // twelfths of the growth each edge moves by
    };
    Form1& form_;
    WindowBuilder builder_;
    QPointer<ReturnTableDialog> returnTable_;
    QPointer<KeyMakerDialog> keyMaker_;
    QList<QPointer<QWidget>> tabChain_;
    std::vector<Stretched> stretched_;
};

}  // namespace kombinator::ui
