#include "forms/Control.h"

#include "forms/Form.h"
#include "forms/Scheduler.h"

namespace forms {

const char* kindName(Kind kind) {
    switch (kind) {
        case Kind::Label:
            return "label";
        case Kind::Button:
            return "button";
        case Kind::TextBox:
            return "text box";
        case Kind::ListBox:
            return "list box";
        case Kind::CheckBox:
            return "check box";
        case Kind::Image:
            return "image";
        case Kind::Shape:
            return "shape";
        case Kind::Line:
            return "line";
        case Kind::Frame:
            return "frame";
        case Kind::Timer:
            return "timer";
    }
    return "control";
}

Control::Control(Form& form, Kind kind, std::string name)
    : form_(form), kind_(kind), name_(std::move(name)) {}

void Control::changed(Prop prop) {
    form_.notify(*this, prop);
}

void Control::setText(std::string text) {
    if (text == text_) return;
    text_ = std::move(text);
    changed(Prop::Text);
}

void Control::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    changed(Prop::Visible);
}

void Control::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    changed(Prop::Enabled);
}

void Control::setTooltip(std::string tooltip) {
    if (tooltip == tooltip_) return;
    tooltip_ = std::move(tooltip);
    changed(Prop::Tooltip);
}

bool Control::shown() const {
    if (!visible_ || !form_.visible()) return false;
    for (const Control* frame = container_; frame; frame = frame->container())
        if (!frame->visible()) return false;
    return true;
}

void Control::guarded(const std::function<void()>& handler) {
    if (!handler) return;
    try {
        handler();
    } catch (const std::exception& error) {
        form_.unhandled(error);
    }
}

void Control::click() {
    guarded(onClick);
}

void Control::mouseMove() {
    guarded(onMouseMove);
}

void TextBox::type(std::string text) {
    const bool differs = text != this->text();
    setText(std::move(text));
    if (differs) guarded(onChange);
}

void CheckBox::setChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    changed(Prop::Checked);
}

void CheckBox::toggle() {
    setChecked(!checked_);
    click();
}

void ListBox::addItem(std::string item) {
    items_.push_back(std::move(item));
    changed(Prop::Items);
}

void ListBox::clear() {
    items_.clear();
    changed(Prop::Items);
    setSelected(-1);
}

void ListBox::setSelected(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    if (index == selected_) return;
    selected_ = index;
    changed(Prop::Selected);
}

bool ListBox::choose(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return false;
    setSelected(index);
    click();
    return true;
}

void Image::setPicture(PicturePtr picture) {
    if (picture == picture_) return;
    picture_ = std::move(picture);
    changed(Prop::Picture);
}

void Image::setDraggable(bool draggable) {
    if (draggable == draggable_) return;
    draggable_ = draggable;
    changed(Prop::Draggable);
}

void Image::dragOver(Control& source) {
    if (onDragOver) guarded([&] { onDragOver(source); });
}

void Image::dragDrop(Control& source) {
    if (onDragDrop) guarded([&] { onDragDrop(source); });
}

Timer::Timer(Form& form, std::string name, int interval, bool enabled)
    : Control(form, Kind::Timer, std::move(name)), interval_(interval) {
    Control::setEnabled(enabled);
}

Timer::~Timer() {
    if (scheduler_) scheduler_->detach(*this);
}

void Timer::restart() {
    ++phase_;
    due_ = (enabled() && interval_ > 0 && scheduler_) ? scheduler_->now() + interval_ : -1;
    if (scheduler_) scheduler_->changed();
}

void Timer::setEnabled(bool enabled) {
    if (enabled == this->enabled()) return;
    Control::setEnabled(enabled);
    restart();
}

void Timer::setInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    restart();
}

}  // namespace forms
