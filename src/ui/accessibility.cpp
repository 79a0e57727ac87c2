#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

#include <utility>

namespace kombinator::ui {

namespace {

constexpr const char* kRoleProperty = "kombinatorAccessibleRole";

QAccessibleInterface* roleInterface(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
}

std::function<void(QAccessibleEvent&)>& listener() {
    static std::function<void(QAccessibleEvent&)> heard;
    return heard;
}

}  // namespace

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(roleInterface);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

bool announcementsHeard() {
    return listener() || QAccessible::isActive();
}

void announce(QAccessibleEvent& event) {
    if (listener()) {
        listener()(event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

void listenToAnnouncements(std::function<void(QAccessibleEvent&)> heard) {
    listener() = std::move(heard);
}

}  // namespace kombinator::ui
