#include "ui/windowbuilder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

#include <algorithm>
#include <functional>

#include "ui/accessibility.h"
#include "ui/controlwidgets.h"
#include "ui/gridview.h"
#include "ui/linesedit.h"
#include "ui/listview.h"
#include "ui/looks.h"
#include "ui/qtplatform.h"
#include "ui/twips.h"

namespace kombinator::ui {

namespace {

void applyState(QWidget* widget, const Control& control) {
    widget->setVisible(control.isVisible());
    widget->setEnabled(control.isEnabled());
    widget->setToolTip(control.toolTip());
}

// Colours that read on the desktop's palette, light or dark: the link takes the palette's link
// colour, the fixed text colours are lightened on a dark window, and a control with a background
// of its own gets a text colour that shows on that background.
void applyColours(QWidget* widget, const Control::Style& style) {
    QPalette palette = widget->palette();
    const QColor background =
        style.background ? QColor::fromRgb(style.background) : palette.color(QPalette::Window);
    QColor text;
    if (style.underline) {
        text = palette.color(QPalette::Link);  // the window's one underlined text is its link
    } else if (style.foreground) {
        text = QColor::fromRgb(style.foreground);
    } else if (style.background) {
        // The desktop's text colour belongs to the desktop's background; on a background of our
        // own it may vanish (light text of a dark palette on white): then plain black or white.
        text = palette.color(QPalette::WindowText);
        if (contrastRatio(text, background) < 4.5)
            text = background.lightness() >= 128 ? QColor(Qt::black) : QColor(Qt::white);
    } else {
        return;
    }
    text = readableOn(text, background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    if (style.background) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

// A control's text shows its carriage returns as line breaks. One pass: replacing in place moves
// the rest of the text at every line end, which an offer of a million lines cannot afford.
QString shownText(const QString& text) {
    if (!text.contains(u'\r')) return text;
    QString shown;
    shown.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text.at(i);
        if (ch != u'\r') {
            shown += ch;
        } else if (i + 1 >= n || text.at(i + 1) != u'\n') {
            shown += u'\n';
        }
    }
    return shown;
}

// A widget and the function that shows its model's state in it.
struct Bound {
    QWidget* widget = nullptr;
    std::function<void()> update;
};

// Space for a button's caption inside its bevel.
QSize buttonCaptionBox(const QWidget* button) {
    return button->size() - QSize(6, 2);
}

Bound makeButton(Button& model, QWidget* parent) {
    auto* button = new KeyButton(parent);
    const auto update = [button, &model] {
        button->setText(model.caption());
        fitCaption(button, model.caption(), buttonCaptionBox(button), false);
        applyState(button, model);
    };
    QObject::connect(&model, &Control::changed, button, update);
    QObject::connect(button, &QPushButton::clicked, &model, &Button::click);
    return {button, update};
}

Bound makeLabel(Label& model, QWidget* parent) {
    auto* label = new ClickLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);  // a label wraps its caption within its width
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const auto update = [label, &model] {
        const QString text = shownText(model.caption());
        label->setText(text);
        fitCaption(label, text, label->contentsRect().size(), true);
        applyState(label, model);
    };
    QObject::connect(&model, &Control::changed, label, update);
    QObject::connect(label, &ClickLabel::clicked, &model, &Label::click);
    QObject::connect(label, &ClickLabel::mouseMoved, &model, &Label::mouseMove);
    return {label, update};
}

// A picture box shows its picture from the top left corner; one that holds other controls is
// drawn as a frame around them.
Bound makePicture(PictureBox& model, QWidget* parent, bool holdsControls) {
    auto* box = new QLabel(parent);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setFrameStyle(holdsControls ? (QFrame::Box | QFrame::Plain) : (QFrame::Panel | QFrame::Sunken));
    if (holdsControls) box->setAutoFillBackground(true);
    const auto update = [box, &model] {
        box->setPixmap(model.picture().isEmpty() ? QPixmap()
                                                 : markerPixmap(model.picture(), box->devicePixelRatioF()));
        applyState(box, model);
    };
    QObject::connect(&model, &Control::changed, box, update);
    return {box, update};
}

Bound makeCheckBox(CheckBox& model, QWidget* parent) {
    auto* box = new WrappingCheckBox(parent);
    const auto update = [box, &model] {
        box->setText(model.caption());
        fitCaption(box, model.caption(), box->captionRect().size(), true);
        box->setChecked(model.value() == 1);
        applyState(box, model);
    };
    QObject::connect(&model, &Control::changed, box, update);
    QObject::connect(box, &QCheckBox::clicked, &model,
                     [&model](bool checked) { model.setValue(checked ? 1 : 0); });
    return {box, update};
}

Bound makeTextEdit(TextEdit& model, QWidget* parent) {
    if (model.isMultiLine()) {
        auto* edit = new LinesEdit(parent);
        const auto showText = [edit, &model] { edit->setText(model.text()); };
        QObject::connect(&model, &TextEdit::textChanged, edit, showText);
        QObject::connect(&model, &Control::changed, edit, [edit, &model] { applyState(edit, model); });
        // The model reads the typed text when it is asked for it, not at every keystroke; a view
        // that goes away hands it over first.
        const auto typedText = [edit] { return edit->text(u"\r\n"); };
        QObject::connect(edit, &LinesEdit::textChanged, &model,
                         [&model, typedText] { model.setTypedText(typedText); });
        QObject::connect(edit, &LinesEdit::closing, &model, [&model] { model.text(); });
        QObject::connect(edit, &LinesEdit::doubleClicked, &model, &TextEdit::doubleClick);
        return {edit, [edit, &model, showText] {
                    showText();
                    applyState(edit, model);
                }};
    }
    auto* edit = new LineView(parent);
    const auto showText = [edit, &model] {
        if (edit->text() != model.text()) edit->setText(model.text());
    };
    QObject::connect(&model, &TextEdit::textChanged, edit, showText);
    QObject::connect(&model, &Control::changed, edit, [edit, &model] { applyState(edit, model); });
    // Every change of the field counts as typed, also one made through the accessibility
    // interface, which sets the text without an edit of the user's.
    QObject::connect(edit, &QLineEdit::textChanged, &model, [edit, &model](const QString& text) {
        if (text == model.text()) return;
        const int caret = edit->cursorPosition();
        model.setText(text);
        // A pasted line break became a blank: the caret stays where the paste left it.
        if (edit->text() != text) edit->setCursorPosition(std::min<int>(caret, edit->text().size()));
    });
    QObject::connect(edit, &LineView::doubleClicked, &model, &TextEdit::doubleClick);
    return {edit, [edit, &model, showText] {
                showText();
                applyState(edit, model);
            }};
}

Bound makeList(ListBox& model, QWidget* parent) {
    auto* view = new ListBoxView(model, parent);
    const auto update = [view, &model] { applyState(view, model); };
    QObject::connect(&model, &Control::changed, view, update);
    return {view, update};
}

Bound makeGrid(Grid& model, QWidget* parent) {
    auto* view = new GridView(model, parent);
    const auto update = [view, &model] { applyState(view, model); };
    QObject::connect(&model, &Control::changed, view, update);
    return {view, update};
}

Bound makeWidget(Control& control, QWidget* parent, bool holdsControls) {
    if (auto* grid = qobject_cast<Grid*>(&control)) return makeGrid(*grid, parent);
    if (auto* list = qobject_cast<ListBox*>(&control)) return makeList(*list, parent);
    if (auto* button = qobject_cast<Button*>(&control)) return makeButton(*button, parent);
    if (auto* label = qobject_cast<Label*>(&control)) return makeLabel(*label, parent);
    if (auto* check = qobject_cast<CheckBox*>(&control)) return makeCheckBox(*check, parent);
    if (auto* text = qobject_cast<TextEdit*>(&control)) return makeTextEdit(*text, parent);
    if (auto* picture = qobject_cast<PictureBox*>(&control))
        return makePicture(*picture, parent, holdsControls);
    return {};
}

}  // namespace

void WindowBuilder::setFont(const QStringList& names, const QFont& font) {
    for (const QString& name : names)
        fonts_.insert(name, font);
}

void WindowBuilder::place(QWidget* widget, const QRect& geometry) {
    if (auto* page = qobject_cast<TabPage*>(widget->parentWidget())) {
        page->place(widget, geometry);
    } else {
        widget->setGeometry(geometry);
    }
}

void WindowBuilder::finish(QWidget* widget, Control& control) {
    widget->setObjectName(control.name());
    if (!control.accessibleName().isEmpty()) widget->setAccessibleName(control.accessibleName());
    if (!control.accessibleDescription().isEmpty())
        widget->setAccessibleDescription(control.accessibleDescription());
    const Control::Style& style = control.style();
    const auto special = fonts_.constFind(control.name());
    if (special != fonts_.constEnd() || style.bold || style.underline) {
        QFont font = special != fonts_.constEnd() ? *special : captionFont(widget);
        if (style.bold) font.setBold(true);
        if (style.underline) font.setUnderline(true);
        setCaptionFont(widget, font);
    }
    applyColours(widget, style);
}

void WindowBuilder::build(const std::vector<Control*>& controls) {
    QSet<QString> containers;
    for (const Control* control : controls) {
        if (!control->container().isEmpty()) containers.insert(control->container().section(u':', 0, 0));
    }
    // Controls whose container comes later in the list join it once it exists.
    std::vector<std::pair<Control*, QWidget*>> waiting;

    for (Control* control : controls) {
        QWidget* parent = surface_;
        if (!control->container().isEmpty()) parent = widgets_.value(control->container(), nullptr);
        const bool early = parent == nullptr;
        if (early) parent = surface_;

        if (auto* tabs = qobject_cast<TabControl*>(control)) {
            auto* widget = new TabControlWidget(parent);
            setAccessibleRole(widget, QAccessible::Grouping);
            for (int i = 0; i < tabs->tabs().size(); ++i) {
                auto* page = new TabPage(widget);
                page->setObjectName(QStringLiteral("%1_%2").arg(control->name()).arg(i));
                setAccessibleRole(page, QAccessible::Pane);
                page->setAccessibleName(tabs->tabs().at(i));
                widget->addTab(page, tabs->tabs().at(i));
                widgets_.insert(QStringLiteral("%1:%2").arg(control->name()).arg(i), page);
            }
            widget->setCurrentIndex(tabs->current());
            QObject::connect(widget, &QTabWidget::currentChanged, tabs, &TabControl::setCurrent);
            QObject::connect(tabs, &TabControl::currentChanged, widget, &QTabWidget::setCurrentIndex);
            applyState(widget, *tabs);
            QObject::connect(tabs, &Control::changed, widget, [widget, tabs] { applyState(widget, *tabs); });
            finish(widget, *control);
            widgets_.insert(control->name(), widget);
            widget->setGeometry(pixels(control->geometry()));
            if (early) waiting.emplace_back(control, widget);
            continue;
        }

        if (auto* group = qobject_cast<OptionGroup*>(control)) {
            auto* buttons = new QButtonGroup(surface_);
            buttons->setObjectName(control->name());
            std::vector<QRadioButton*> radios;
            for (int i = 0; i < group->count(); ++i) {
                auto* radio = new QRadioButton(group->optionCaption(i), parent);
                buttons->addButton(radio, i);
                finish(radio, *control);
                const QString name = QStringLiteral("%1_%2").arg(control->name()).arg(i);
                radio->setObjectName(name);  // one name per member, as the buttons' array index
                widgets_.insert(name, radio);
                place(radio, pixels(group->optionGeometry(i)));
                fitCaption(radio, radio->text(), radio->size() - QSize(20, 0), false);
                radios.push_back(radio);
                if (early) waiting.emplace_back(control, radio);
            }
            const auto update = [buttons, radios, group] {
                const int selected = group->selected();
                if (selected < 0) {
                    // An exclusive group keeps one button checked; let go of it to clear all.
                    buttons->setExclusive(false);
                    for (QRadioButton* radio : radios)
                        radio->setChecked(false);
                    buttons->setExclusive(true);
                } else if (selected < static_cast<int>(radios.size())) {
                    radios[static_cast<size_t>(selected)]->setChecked(true);
                }
                for (QRadioButton* radio : radios)
                    applyState(radio, *group);
            };
            update();
            QObject::connect(group, &Control::changed, buttons, update);
            QObject::connect(buttons, &QButtonGroup::idClicked, group, &OptionGroup::select);
            continue;
        }

        const Bound bound = makeWidget(*control, parent, containers.contains(control->name()));
        if (!bound.widget) continue;
        finish(bound.widget, *control);
        widgets_.insert(control->name(), bound.widget);
        place(bound.widget, pixels(control->geometry()));
        bound.update();  // once named, styled and placed: captions are fitted to their room
        if (early) waiting.emplace_back(control, bound.widget);
    }

    for (auto& [control, widget] : waiting) {
        QWidget* container = widgets_.value(control->container(), nullptr);
        if (!container) continue;
        const bool visible = !widget->isHidden();
        widget->setParent(container);
        const auto* group = qobject_cast<OptionGroup*>(control);
        const int option = group ? widget->objectName().section(u'_', -1).toInt() : -1;
        place(widget, pixels(group ? group->optionGeometry(option) : control->geometry()));
        widget->setVisible(visible);
    }
}

}  // namespace kombinator::ui
