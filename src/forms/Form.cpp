#include "forms/Form.h"

#include "forms/Scheduler.h"

namespace forms {

Form::Form(std::string name) : name_(std::move(name)), caption_(name_) {}

Form::~Form() = default;

void Form::insert(std::string name, std::unique_ptr<Control> control) {
    Control* raw = control.get();
    auto [it, inserted] = controls_.emplace(std::move(name), std::move(control));
    if (!inserted) throw NoSuchControl(name_ + " has two controls named " + it->first);
    order_.push_back(raw);
}

Timer& Form::addTimer(std::string name, int interval, bool enabled) {
    auto timer = std::make_unique<Timer>(*this, name, interval, enabled);
    Timer& ref = *timer;
    insert(std::move(name), std::move(timer));
    return ref;
}

void Form::load(Scheduler& scheduler) {
    if (loaded_) return;
    loaded_ = true;
    for (Control* c : order_)
        if (c->kind() == Kind::Timer) scheduler.attach(static_cast<Timer&>(*c));
    Form_Load();
}

void Form::show() {
    if (!visible_) {
        setVisible(true);
    } else if (observer_) {
        observer_->formRaised(*this);
    }
}

void Form::hide() {
    setVisible(false);
}

void Form::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (observer_) observer_->formVisibilityChanged(*this);
}

Control* Form::find(std::string_view name) const {
    auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second.get();
}

Control& Form::control(std::string_view name) const {
    if (Control* c = find(name)) return *c;
    throw NoSuchControl(name_ + " has no control " + std::string(name));
}

void Form::unhandled(const std::exception&) {}

void Form::notify(Control& control, Prop prop) {
    if (observer_) observer_->controlChanged(control, prop);
}

}  // namespace forms
