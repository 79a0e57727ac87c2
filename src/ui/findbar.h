// The find bar of a text field: a search box with the previous and next match and a close button,
// under the text. Ctrl+F opens it, Return and F3 find the next match, Shift+Return and Shift+F3
// the previous one, Escape closes it before it closes the window. It only asks; the field finds.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;

namespace kombinator::ui {

class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    QString text() const;
    // Shows the bar with `text` to find (the field's selection, when it has one) and the focus.
    void open(const QString& text);
    // Says whether the last search found the text.
    void showFound(bool found);
    // Hides the bar; the field takes the room back.
    void dismiss();

signals:
    void find(const QString& text, bool backward);
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* box_;
    QLabel* notFound_;
};

}  // namespace kombinator::ui
