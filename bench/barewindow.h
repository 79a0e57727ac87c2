// The bare window the start-up is measured against: plain widgets of the program's kinds at its
// places: a plan of the window's size and its widgets, each [kind, container, x, y, width, height,
// shown, caption], that the start-up benchmark writes from the program's layout. Shared by the benchmark,
// which builds it in its own process, and by bench_barewindow, a program that shows nothing else.
#pragma once

#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

#include <memory>

namespace bench {

// Builds the bare window of a plan: the window, then its widgets, each in its container.
inline std::unique_ptr<QWidget> bareWindow(const QString& plan) {
    auto window = std::make_unique<QWidget>();
    const QJsonObject whole = QJsonDocument::fromJson(plan.toUtf8()).object();
    window->setFixedSize(whole.value(u"width").toInt(), whole.value(u"height").toInt());
    QTabWidget* tabs = nullptr;
    QWidget* frame = nullptr;
    for (const QJsonValue& entry : whole.value(u"widgets").toArray()) {
        const QJsonArray f = entry.toArray();
        const QString kind = f.at(0).toString();
        const QString container = f.at(1).toString();
        QWidget* parent = window.get();
        if (container.startsWith(QLatin1String("SSTab1:")) && tabs)
            parent = tabs->widget(container.section(u':', 1).toInt());
        else if (container == QLatin1String("Frame1") && frame)
            parent = frame;
        QWidget* widget = nullptr;
        const QString caption = f.at(7).toString();
        if (kind == u"radio") widget = new QRadioButton(caption, parent);
        if (kind == u"table") widget = new QTableView(parent);
        if (kind == u"list") widget = new QListView(parent);
        if (kind == u"button") widget = new QPushButton(caption, parent);
        if (kind == u"check") widget = new QCheckBox(caption, parent);
        if (kind == u"label") widget = new QLabel(caption, parent);
        if (kind == u"frame") widget = frame = new QLabel(caption, parent);
        if (kind == u"tabs") {
            widget = tabs = new QTabWidget(parent);
            for (const QString& tab : caption.split(u'|'))
                tabs->addTab(new QWidget, tab);
        }
        if (!widget) continue;
        widget->setGeometry(f.at(2).toInt(), f.at(3).toInt(), f.at(4).toInt(), f.at(5).toInt());
        widget->setVisible(f.at(6).toBool());
    }
    return window;
}

}  // namespace bench
