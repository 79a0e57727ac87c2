#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>
#include <QWidget>

#include <utility>

namespace kombinator::ui {

namespace {

constexpr const char* kRoleProperty = "kombinatorAccessibleRole";

// A widget with the role it stands for. A window is named by its title even when minimised (Qt
// would then read its icon text, which nobody sets); a link is named by its text and pressed as
// it is clicked.
class RoleInterface : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            if (widget()->isWindow()) return widget()->windowTitle();
            if (const auto* label = qobject_cast<const QLabel*>(widget())) return label->text();
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Link) names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override {
        if (role() == QAccessible::Link && action == pressAction()) {
            QMetaObject::invokeMethod(widget(), "click");
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* roleInterface(const QString&, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new RoleInterface(static_cast<QWidget*>(object), static_cast<QAccessible::Role>(role.toInt()));
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
    // Giving the widget a name or description made it an interface already, of its class's role;
    // the next question makes it anew with this one.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
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
