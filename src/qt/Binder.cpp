#include "qt/Binder.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTimer>
#include <stdexcept>
#include <vector>

#include "app/Game.h"
#include "qt/FormWindow.h"
#include "qt/Pictures.h"
#include "qt/Views.h"

namespace front {

using forms::Control;
using forms::Kind;
using forms::Prop;

namespace {

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

bool isFrameOf(const QWidget& widget, std::initializer_list<QFrame::Shape> shapes) {
    if (widget.metaObject() != &QFrame::staticMetaObject) return false;
    const QFrame::Shape shape = static_cast<const QFrame&>(widget).frameShape();
    for (QFrame::Shape s : shapes)
        if (shape == s) return true;
    return false;
}

// Which widget shows which kind of control.
bool fits(Kind kind, const QWidget& w) {
    switch (kind) {
        case Kind::Label:
        case Kind::Image:
            return w.metaObject() == &QLabel::staticMetaObject;
        case Kind::Button:
            return qobject_cast<const QPushButton*>(&w) != nullptr;
        case Kind::TextBox:
            return qobject_cast<const QLineEdit*>(&w) != nullptr;
        case Kind::ListBox:
            return qobject_cast<const QListWidget*>(&w) != nullptr;
        case Kind::CheckBox:
            return qobject_cast<const QCheckBox*>(&w) != nullptr;
        case Kind::Shape:
            return isFrameOf(w, {QFrame::Box, QFrame::Panel, QFrame::StyledPanel});
        case Kind::Line:
            return isFrameOf(w, {QFrame::HLine, QFrame::VLine});
        case Kind::Frame:
            return qobject_cast<const QGroupBox*>(&w) != nullptr;
        case Kind::Timer:
            return false;
    }
    return false;
}

// The one place a control's widget is looked up: by the control's name.
QWidget& lookUp(QWidget& view, const forms::Form& form, const Control& control) {
    QWidget* w = view.findChild<QWidget*>(qs(control.name()));
    if (!w)
        throw std::logic_error("the view of " + form.name() + " has no widget " + control.name());
    if (!fits(control.kind(), *w))
        throw std::logic_error("the widget " + form.name() + "." + control.name() + " is a " +
                               w->metaObject()->className() + ", unfit for a " +
                               forms::kindName(control.kind()));
    return *w;
}

// The size an image control shows its picture at.
QSize imageBox(const QWidget& widget) {
    const QSize fixed = widget.minimumSize();
    return fixed.isEmpty() ? widget.size() : fixed;
}

// Kinds whose click is a press and release of the left button on the widget;
// buttons, check boxes and lists report theirs by their own signals.
bool clickedByMouse(Kind kind) {
    return kind == Kind::Label || kind == Kind::Image || kind == Kind::TextBox ||
           kind == Kind::Frame;
}

}  // namespace

Binder::Binder(game::Game& game) : game_(game) {
    game_.setOnFormCreated([this](forms::Form& form) { bind(form); });
    for (const std::string& name : game::Game::formNames())
        if (forms::Form* form = game_.existing(name)) bind(*form);
}

Binder::~Binder() {
    game_.setOnFormCreated(nullptr);
    endDrag({}, false);
    for (auto& [form, window] : windows_)
        if (form->observer() == this) const_cast<forms::Form*>(form)->setObserver(nullptr);
}

Binder* Binder::of(const forms::Form& form) {
    return dynamic_cast<Binder*>(form.observer());
}

QWidget* Binder::window(const forms::Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.get();
}

QWidget* Binder::widget(const Control& control) const {
    auto it = widgets_.find(&control);
    return it == widgets_.end() ? nullptr : it->second;
}

void Binder::bind(forms::Form& form) {
    if (windows_.count(&form)) return;
    // Every widget is found before anything is kept, so a view that lacks
    // one leaves nothing half bound.
    std::unique_ptr<FormWindow> window;
    std::vector<std::pair<Control*, QWidget*>> found;
    try {
        window = std::make_unique<FormWindow>(makeView(form));
        for (Control* control : form.controls())
            if (control->kind() != Kind::Timer)
                found.emplace_back(control, &lookUp(*window->view(), form, *control));
    } catch (const std::logic_error& error) {
        // Said here too, since a handler that opened the window may catch it.
        qCritical("%s", error.what());
        throw;
    }

    window->setObjectName(qs("_" + form.name()));
    window->setWindowTitle(qs(form.caption()));
    for (auto [control, w] : found) {
        widgets_[control] = w;
        inputs_[w] = control;
        prepare(*control, *w);
        for (Prop prop : {Prop::Text, Prop::Items, Prop::Selected, Prop::Checked, Prop::Picture,
                          Prop::Draggable, Prop::Tooltip, Prop::Enabled, Prop::Visible})
            display(*control, prop);
    }
    FormWindow& ref = *window;
    windows_.emplace(&form, std::move(window));
    form.setObserver(this);
    ref.adjustSize();
    if (form.visible()) ref.present();
}

// Hooks up the widget of a control: how it looks and what it reports.
void Binder::prepare(Control& control, QWidget& widget) {
    // Like the game's windows, a hidden control leaves its place empty.
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
    widget.setMouseTracking(true);
    widget.installEventFilter(this);

    switch (control.kind()) {
        case Kind::Label:
        case Kind::Image:
            static_cast<QLabel&>(widget).setTextFormat(Qt::PlainText);
            break;
        case Kind::Button:
            connect(static_cast<QPushButton*>(&widget), &QPushButton::clicked, this, [&control] {
                if (control.usable()) control.click();
            });
            break;
        case Kind::CheckBox: {
            auto& box = static_cast<forms::CheckBox&>(control);
            // The widget has toggled itself; the control toggles once and the
            // widget then shows what the control holds.
            connect(static_cast<QCheckBox*>(&widget), &QCheckBox::clicked, this, [this, &box] {
                if (box.usable()) box.toggle();
                display(box, Prop::Checked);
            });
            break;
        }
        case Kind::TextBox: {
            auto& box = static_cast<forms::TextBox&>(control);
            connect(static_cast<QLineEdit*>(&widget), &QLineEdit::textEdited, this,
                    [this, &box](const QString& text) {
                        if (box.usable()) box.type(text.toStdString());
                        display(box, Prop::Text);
                    });
            break;
        }
        case Kind::ListBox: {
            auto& list = static_cast<forms::ListBox&>(control);
            auto* view = static_cast<QListWidget*>(&widget);
            view->viewport()->setMouseTracking(true);
            view->viewport()->installEventFilter(this);
            inputs_[view->viewport()] = &control;
            connect(view, &QListWidget::itemClicked, this,
                    [this, &list, view](QListWidgetItem* item) {
                        if (list.usable()) list.choose(view->row(item));
                        displaySelection(list);
                    });
            // Moving through the list with the keys chooses as clicking does.
            connect(view, &QListWidget::currentRowChanged, this, [this, &list](int row) {
                if (keyboardList_ == &list && row >= 0 && list.usable()) list.choose(row);
            });
            break;
        }
        case Kind::Shape:
        case Kind::Line:
        case Kind::Frame:
        case Kind::Timer:
            break;
    }
}

// Shows one property of a control on its widget.
void Binder::display(const Control& control, Prop prop) {
    QWidget* w = widget(control);
    if (!w) return;
    const QString text = qs(control.text());
    switch (prop) {
        case Prop::Visible:
            w->setHidden(!control.visible());
            break;
        case Prop::Enabled:
            w->setEnabled(control.enabled());
            break;
        case Prop::Tooltip:
            w->setToolTip(qs(control.tooltip()));
            break;
        case Prop::Text:
            switch (control.kind()) {
                case Kind::Label:
                    static_cast<QLabel*>(w)->setText(text);
                    break;
                case Kind::Button:
                case Kind::CheckBox:
                    static_cast<QAbstractButton*>(w)->setText(text);
                    break;
                case Kind::TextBox: {
                    auto* edit = static_cast<QLineEdit*>(w);
                    if (edit->text() != text) edit->setText(text);
                    break;
                }
                case Kind::Frame:
                    static_cast<QGroupBox*>(w)->setTitle(text);
                    break;
                default:
                    break;
            }
            break;
        case Prop::Picture:
            if (control.kind() == Kind::Image) {
                const QPixmap pixmap =
                    pixmapFor(static_cast<const forms::Image&>(control).picture(), imageBox(*w));
                if (pixmap.isNull())
                    static_cast<QLabel*>(w)->clear();
                else
                    static_cast<QLabel*>(w)->setPixmap(pixmap);
            }
            break;
        case Prop::Items:
            if (control.kind() == Kind::ListBox) {
                const auto& list = static_cast<const forms::ListBox&>(control);
                auto* view = static_cast<QListWidget*>(w);
                {
                    const QSignalBlocker quiet(view);
                    view->clear();
                    for (const std::string& item : list.items())
                        view->addItem(qs(item));
                }
                displaySelection(list);
            }
            break;
        case Prop::Selected:
            if (control.kind() == Kind::ListBox)
                displaySelection(static_cast<const forms::ListBox&>(control));
            break;
        case Prop::Checked:
            if (control.kind() == Kind::CheckBox) {
                auto* box = static_cast<QCheckBox*>(w);
                const QSignalBlocker quiet(box);
                box->setChecked(static_cast<const forms::CheckBox&>(control).checked());
            }
            break;
        case Prop::Draggable:
            if (control.kind() == Kind::Image) {
                if (static_cast<const forms::Image&>(control).draggable())
                    w->setCursor(Qt::OpenHandCursor);
                else
                    w->unsetCursor();
            }
            break;
    }
    if (prop == Prop::Text || prop == Prop::Items || prop == Prop::Picture)
        fitLater(control.form());
}

void Binder::displaySelection(const forms::ListBox& list) {
    auto* view = static_cast<QListWidget*>(widget(list));
    const QSignalBlocker quiet(view);
    if (list.selected() < 0) {
        view->clearSelection();
        view->setCurrentRow(-1);
    } else {
        view->setCurrentRow(list.selected(), QItemSelectionModel::ClearAndSelect);
    }
}

// Windows grow with their texts; once per pass of the event loop at most.
void Binder::fitLater(const forms::Form& form) {
    if (!windows_.count(&form)) return;
    if (unfitted_.empty())
        QTimer::singleShot(0, this, [this] {
            for (const forms::Form* f : unfitted_)
                windows_.at(f)->fit();
            unfitted_.clear();
        });
    unfitted_.insert(&form);
}

void Binder::controlChanged(Control& control, Prop prop) {
    display(control, prop);
}

void Binder::formVisibilityChanged(forms::Form& form) {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    it->second->setWindowTitle(qs(form.caption()));
    if (form.visible())
        it->second->present();
    else
        it->second->hide();
}

void Binder::formRaised(forms::Form& form) {
    auto it = windows_.find(&form);
    if (it != windows_.end() && form.visible()) it->second->present();
}

// ------------------------------------------------------------------ input --

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    auto it = inputs_.find(watched);
    if (it == inputs_.end()) return false;
    Control& control = *it->second;
    auto* w = static_cast<QWidget*>(watched);
    if (dragEvent(control, *w, event)) return true;

    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) pressed_ = watched;
            break;
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) break;
            const bool inside =
                pressed_ == watched && w->rect().contains(mouse->position().toPoint());
            pressed_ = nullptr;
            if (inside && clickedByMouse(control.kind()) && control.usable()) control.click();
            // A press on one item and a release elsewhere chooses nothing:
            // the list shows again what its control holds.
            if (control.kind() == Kind::ListBox) {
                auto& list = static_cast<forms::ListBox&>(control);
                QTimer::singleShot(0, this, [this, &list] { displaySelection(list); });
            }
            break;
        }
        case QEvent::MouseMove:
            if (control.usable()) control.mouseMove();
            break;
        case QEvent::KeyPress:
            if (control.kind() == Kind::ListBox && watched == widget(control))
                return listKeyPress(static_cast<forms::ListBox&>(control), watched, event);
            break;
        default:
            break;
    }
    return false;
}

// The list handles the key itself; a move to another item it makes meanwhile
// is the person's choice.
bool Binder::listKeyPress(forms::ListBox& list, QObject* widget, QEvent* event) {
    const QScopedValueRollback<forms::ListBox*> choosing(keyboardList_, &list);
    widget->event(event);
    displaySelection(list);
    return true;
}

// ------------------------------------------------------------ drag & drop --

// A press on a draggable image that is then moved further than the start
// distance drags it: its icon follows the pointer, the images passed over are
// told, and the image it is released on gets the drop. The pressed widget
// holds the mouse meanwhile, so every move and the release come to it.
bool Binder::dragEvent(Control& control, QWidget& widget, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Hide && drag_.active && &widget == drag_.widget) {
        endDrag({}, false);
        return false;
    }
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint global = mouse->globalPosition().toPoint();

    if (drag_.active) {
        if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::LeftButton)
            endDrag(global, true);
        else if (type == QEvent::MouseMove && !(mouse->buttons() & Qt::LeftButton))
            endDrag(global, false);  // the release went elsewhere
        else if (type == QEvent::MouseMove)
            moveDrag(global);
        return true;
    }
    if (type == QEvent::MouseButtonPress) {
        drag_.source = nullptr;
        if (mouse->button() == Qt::LeftButton && control.kind() == Kind::Image &&
            static_cast<forms::Image&>(control).draggable() && control.usable()) {
            drag_.source = &static_cast<forms::Image&>(control);
            drag_.widget = &widget;
            drag_.origin = global;
        }
        return false;
    }
    if (type == QEvent::MouseButtonRelease) {
        drag_.source = nullptr;
        return false;
    }
    if (drag_.source && drag_.widget == &widget && (mouse->buttons() & Qt::LeftButton) &&
        (global - drag_.origin).manhattanLength() >= QApplication::startDragDistance()) {
        if (drag_.source->usable() && drag_.source->draggable()) {
            startDrag(global);
            return true;
        }
        drag_.source = nullptr;
    }
    return false;
}

void Binder::startDrag(QPoint global) {
    drag_.active = true;
    pressed_ = nullptr;
    drag_.widget->grabMouse(Qt::ClosedHandCursor);
    const forms::Image& source = *drag_.source;
    const QPixmap icon = pixmapFor(source.dragIcon() ? source.dragIcon() : source.picture(),
                                   imageBox(*drag_.widget));
    if (!icon.isNull()) {
        drag_.image = std::make_unique<QLabel>(nullptr, Qt::ToolTip | Qt::FramelessWindowHint |
                                                            Qt::WindowTransparentForInput |
                                                            Qt::WindowDoesNotAcceptFocus);
        drag_.image->setObjectName(QStringLiteral("_dragImage"));
        drag_.image->setAttribute(Qt::WA_TransparentForMouseEvents);
        drag_.image->setAttribute(Qt::WA_ShowWithoutActivating);
        drag_.image->setPixmap(icon);
        drag_.image->resize(icon.size());
    }
    moveDrag(global);
}

void Binder::moveDrag(QPoint global) {
    if (drag_.image) {
        drag_.image->move(global - QPoint(drag_.image->width() / 2, drag_.image->height() / 2));
        drag_.image->show();
    }
    if (forms::Image* target = imageAt(drag_.source->form(), global))
        target->dragOver(*drag_.source);
}

void Binder::endDrag(QPoint global, bool drop) {
    if (!drag_.active) {
        drag_.source = nullptr;
        return;
    }
    forms::Image* source = drag_.source;
    if (drag_.widget && QWidget::mouseGrabber() == drag_.widget) drag_.widget->releaseMouse();
    drag_ = Drag{};
    if (!drop) return;
    if (forms::Image* target = imageAt(source->form(), global)) target->dragDrop(*source);
}

forms::Image* Binder::imageAt(const forms::Form& form, QPoint global) const {
    for (Control* control : form.controls()) {
        if (control->kind() != Kind::Image || !control->shown()) continue;
        QWidget* w = widget(*control);
        if (w && w->isVisible() && w->rect().contains(w->mapFromGlobal(global)))
            return static_cast<forms::Image*>(control);
    }
    return nullptr;
}

}  // namespace front
