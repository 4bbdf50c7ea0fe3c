// A headless window: a name, a caption, a visible flag and its controls by name.
// A form is constructed with its controls at their design-time values; it
// *exists* for the game once it has been loaded, which starts its timers and
// runs its Form_Load. Forms are never unloaded: they are only hidden and shown.
#pragma once

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "forms/Control.h"

namespace forms {

class Scheduler;

// The screen's side of a form (the Qt front end). Told of every change.
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    virtual void controlChanged(Control& control, Prop prop) = 0;
    virtual void formVisibilityChanged(Form& form) = 0;
    // A visible form was shown again: bring it to the front.
    virtual void formRaised(Form& form) = 0;
};

// A lookup of a control by a name the form does not have, or of the wrong kind.
class NoSuchControl : public std::logic_error {
  public:
    using std::logic_error::logic_error;
};

class Form {
  public:
    explicit Form(std::string name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    const std::string& name() const { return name_; }

    // The window's title line.
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { caption_ = std::move(caption); }

    bool loaded() const { return loaded_; }
    // Starts the timers on the scheduler's clock, then runs Form_Load. Once.
    void load(Scheduler& scheduler);

    bool visible() const { return visible_; }
    // Show: make visible and bring to the front. Requires a loaded form.
    void show();
    void hide();
    void setVisible(bool visible);

    // Lookup by the game's control names; throws NoSuchControl on a wrong
    // name or kind.
    Control& control(std::string_view name) const;
    Control* find(std::string_view name) const;
    Label& label(std::string_view name) const { return typed<Label>(name, Kind::Label); }
    Button& button(std::string_view name) const { return typed<Button>(name, Kind::Button); }
    TextBox& textBox(std::string_view name) const { return typed<TextBox>(name, Kind::TextBox); }
    ListBox& listBox(std::string_view name) const { return typed<ListBox>(name, Kind::ListBox); }
    CheckBox& checkBox(std::string_view name) const {
        return typed<CheckBox>(name, Kind::CheckBox);
    }
    Image& image(std::string_view name) const { return typed<Image>(name, Kind::Image); }
    Timer& timer(std::string_view name) const { return typed<Timer>(name, Kind::Timer); }

    // In the order they were added.
    const std::vector<Control*>& controls() const { return order_; }

    // A handler of this form failed with an error nobody caught. The game
    // reports it to the players; the program goes on.
    virtual void unhandled(const std::exception& error);

    FormObserver* observer() const { return observer_; }
    void setObserver(FormObserver* observer) { observer_ = observer; }
    void notify(Control& control, Prop prop);

  protected:
    virtual void Form_Load() {}

    // Adds a control; `text` is its design-time caption or text.
    template <class T, class... Args>
    T& add(std::string name, std::string text = {}, Args&&... args) {
        auto control = std::make_unique<T>(*this, name, std::forward<Args>(args)...);
        T& ref = *control;
        if (!text.empty()) ref.setText(std::move(text));
        insert(std::move(name), std::move(control));
        return ref;
    }
    Timer& addTimer(std::string name, int interval, bool enabled);

  private:
    template <class T>
    T& typed(std::string_view name, Kind kind) const {
        Control& c = control(name);
        if (c.kind() != kind)
            throw NoSuchControl(name_ + "." + std::string(name) + " is a " + kindName(c.kind()) +
                                ", not a " + kindName(kind));
        return static_cast<T&>(c);
    }
    void insert(std::string name, std::unique_ptr<Control> control);

    std::string name_;
    std::string caption_;
    bool loaded_ = false;
    bool visible_ = false;
    FormObserver* observer_ = nullptr;
    std::map<std::string, std::unique_ptr<Control>, std::less<>> controls_;
    std::vector<Control*> order_;
};

}  // namespace forms
