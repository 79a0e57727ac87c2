// The windows of the dialogs (`gyari`, `Form2`): a top-level window without owner, built from
// the dialog's controls, shown while the dialog is open.
#pragma once

#include <QWidget>

#include <memory>
#include <unordered_map>

#include "keys/keymaker.h"
#include "ui/windowbuilder.h"

namespace kombinator {
class Dialog;
class Form1;
}  // namespace kombinator

namespace kombinator::ui {

class DialogView : public QWidget {
    Q_OBJECT
public:
    explicit DialogView(Dialog& dialog);
    // Keeps the size the user gave a window that can grow, for its next opening.
    ~DialogView() override;

    QWidget* controlWidget(const QString& name) const { return builder_.widget(name); }

protected:
    // The close box asks the dialog; the dialog closes itself, which discards this window.
    void closeEvent(QCloseEvent* event) override;
    // Escape closes the window as its close box does.
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The key dialog shows under its controls what the key in hand pays.
    void addKeyProfile();
    // A window that can grow: its growing control takes the room; the controls under it keep to
    // the corner they stand nearest.
    void makeResizable(const QString& growing);

    Dialog& dialog_;
    WindowBuilder builder_;
    std::unique_ptr<keys::KeyProfileJob> profileJob_;
    QSize clientSize_;
    QWidget* growing_ = nullptr;
    std::vector<std::pair<QWidget*, QRect>> places_;  // every control's place at the client size
};

// Answers the main window's dialog events with the dialogs' windows.
class DialogViews : public QObject {
    Q_OBJECT
public:
    explicit DialogViews(Form1& form, QObject* parent = nullptr);
    ~DialogViews() override;

    DialogView* view(const Dialog* dialog) const;

signals:
    // A dialog's window has been built and is about to show.
    void viewCreated(QWidget* window);

private:
    void open(Dialog* dialog);
    void raise(Dialog* dialog);
    void close(Dialog* dialog);

    std::unordered_map<const Dialog*, std::unique_ptr<DialogView>> views_;
};

}  // namespace kombinator::ui
