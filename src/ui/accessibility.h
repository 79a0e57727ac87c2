// How a screen reader meets our widgets: plain widgets that stand for windows or tab pages, which
// Qt would present as anonymous panes, and the announcements of changes it cannot see itself.
#pragma once

#include <QAccessible>

#include <functional>

class QWidget;

namespace kombinator::ui {

// `widget` is presented with `role` (a window as QAccessible::Window or Dialog, a tab page as
// Pane, a label that opens something as Link, pressed through its `click` slot). Call before the
// widget is first shown, before any screen reader asks about it.
void setAccessibleRole(QWidget* widget, QAccessible::Role role);

// Whether anyone hears announcements: a screen reader, or a test listening in its place.
bool announcementsHeard();
// Tells a screen reader of a change it cannot see for itself.
void announce(QAccessibleEvent& event);
// A test hears the announcements instead of the desktop; an empty listener gives them back.
void listenToAnnouncements(std::function<void(QAccessibleEvent&)> listener);

}  // namespace kombinator::ui
