// Builds the widgets of a window from its control models: each control becomes the widget that
// shows it, placed at its position inside its frame or tab page, and bound both ways (a model
// change updates the widget; the user's input calls the model, which raises the handler).
#pragma once

#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

#include "platform/controls.h"

class QWidget;

namespace kombinator::ui {

class WindowBuilder {
public:
    explicit WindowBuilder(QWidget* surface) : surface_(surface) {}

    // The named controls carry `font`, with their own bold and underline on top.
    void setFont(const QStringList& names, const QFont& font);

    void build(const std::vector<Control*>& controls);

    // The widget of a control by its name; tab pages are "SSTab1:0" ..., option buttons
    // "Option1_0" ....
    QWidget* widget(const QString& name) const { return widgets_.value(name); }

    // Puts a widget at `geometry` in its window, or on its tab page relative to the tab control.
    void place(QWidget* widget, const QRect& geometry);

private:
    void finish(QWidget* widget, Control& control);

    QWidget* surface_;
    QHash<QString, QWidget*> widgets_;
    QHash<QString, QFont> fonts_;
};

}  // namespace kombinator::ui
