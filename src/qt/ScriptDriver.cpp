#include "qt/ScriptDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>
#include <stdexcept>

#include "app/Game.h"
#include "qt/Binder.h"

namespace front {

using forms::Kind;

namespace {

QWindow& handleOf(QWidget& widget) {
    QWindow* handle = widget.window()->windowHandle();
    if (!handle) throw std::logic_error("the window of a control is not on the screen");
    return *handle;
}

// A point of `widget` in the coordinates of its window.
QPoint inWindow(QWidget& widget, QPoint local) {
    return widget.mapTo(widget.window(), local);
}

// Where a person clicks a control to click it.
QPoint clickPoint(const forms::Control& control, QWidget& widget) {
    if (control.kind() == Kind::CheckBox) {
        QStyleOptionButton option;
        option.initFrom(&widget);
        return widget.style()
            ->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &widget)
            .center();
    }
    if (control.kind() == Kind::Frame) return {4, widget.height() / 2};  // its border, not a child
    return widget.rect().center();
}

void sendKey(QWidget& widget, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(&widget, &release);
}

}  // namespace

ScriptDriver::ScriptDriver(std::optional<std::filesystem::path> shotsDir)
    : shotsDir_(std::move(shotsDir)) {}

ScriptDriver::~ScriptDriver() = default;

void ScriptDriver::attach(game::Game& game, script::RecordingPlatform&) {
    binder_ = std::make_unique<Binder>(game);
    game_ = &game;
}

void ScriptDriver::detach() {
    binder_.reset();
    game_ = nullptr;
    settle();
}

QWidget& ScriptDriver::widgetOf(const forms::Control& control) const {
    QWidget* w = binder_ ? binder_->widget(control) : nullptr;
    if (!w)
        throw std::logic_error("no widget shows " + control.form().name() + "." + control.name());
    return *w;
}

void ScriptDriver::clickAt(QWidget& widget, QPoint local) {
    QTest::mouseClick(&handleOf(widget), Qt::LeftButton, {}, inWindow(widget, local));
}

void ScriptDriver::click(forms::Control& control) {
    QWidget& w = widgetOf(control);
    if (control.kind() == Kind::ListBox) {
        // A click on a list lands on its chosen item, else on its empty part.
        auto& view = static_cast<QListWidget&>(w);
        const int row = static_cast<forms::ListBox&>(control).selected();
        QWidget& area = *view.viewport();
        if (row >= 0 && view.item(row)) {
            view.scrollToItem(view.item(row));
            clickAt(area, view.visualItemRect(view.item(row)).center());
        } else {
            clickAt(area, {area.width() - 2, area.height() - 2});
        }
        return;
    }
    clickAt(w, clickPoint(control, w));
}

// A person selects the whole text and types the new one over it.
void ScriptDriver::type(forms::TextBox& box, const std::string& text) {
    QWidget& w = widgetOf(box);
    w.setFocus(Qt::MouseFocusReason);
    sendKey(w, Qt::Key_A, Qt::ControlModifier, {});
    const QString typed = QString::fromStdString(text);
    if (typed.isEmpty()) sendKey(w, Qt::Key_Delete, Qt::NoModifier, {});
    for (const char32_t c : typed.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        sendKey(w, static_cast<int>(one.toUpper().toUcs4().value(0)), Qt::NoModifier, one);
    }
}

void ScriptDriver::select(forms::ListBox& list, int index) {
    auto& view = static_cast<QListWidget&>(widgetOf(list));
    QListWidgetItem* item = view.item(index);
    if (!item) return;
    view.scrollToItem(item);
    clickAt(*view.viewport(), view.visualItemRect(item).center());
}

// Press on the source, move past the start distance, on to the target and
// release there.
void ScriptDriver::drag(forms::Image& source, forms::Control& target) {
    QWidget& from = widgetOf(source);
    QWidget& to = widgetOf(target);
    QWindow& window = handleOf(from);
    const QPoint start = inWindow(from, from.rect().center());
    const QPoint end = from.window()->mapFromGlobal(to.mapToGlobal(to.rect().center()));
    QPoint step = end - start;
    const int length = std::max(1, step.manhattanLength());
    const int distance = QApplication::startDragDistance() + 2;
    step = QPoint(step.x() * distance / length, step.y() * distance / length);
    if (step.manhattanLength() < distance) step = QPoint(distance, 0);
    QTest::mousePress(&window, Qt::LeftButton, {}, start);
    QTest::mouseMove(&window, start + step);
    QTest::mouseMove(&window, end);
    QTest::mouseRelease(&window, Qt::LeftButton, {}, end);
}

void ScriptDriver::hover(forms::Control& control) {
    QWidget& w = widgetOf(control);
    QWindow& window = handleOf(w);
    // From the window's margin, where no control is, so the move is a move.
    QTest::mouseMove(&window, QPoint(1, 1));
    QTest::mouseMove(&window, inWindow(w, w.rect().center()));
}

void ScriptDriver::settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void ScriptDriver::shot(const std::string& name) {
    if (!shotsDir_ || !game_ || !binder_) return;
    settle();
    std::filesystem::create_directories(*shotsDir_);
    for (const std::string& formName : game::Game::formNames()) {
        forms::Form* form = game_->existing(formName);
        QWidget* window = form && form->visible() ? binder_->window(*form) : nullptr;
        if (!window) continue;
        const auto file = *shotsDir_ / (name + "-" + formName + ".png");
        window->grab().save(QString::fromStdString(file.string()));
    }
}

}  // namespace front
