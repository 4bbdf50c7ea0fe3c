// Controls of a headless form: labels, buttons, text boxes, list boxes, check
// boxes, images, decorative shapes, lines and frames, and timers. Each control
// keeps the state a player can see (caption, visibility, enabled state, ...) and
// the handlers the game attaches to its events. A control never draws itself;
// the form's observer (the Qt front end) mirrors it on screen.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/Picture.h"

namespace forms {

class Form;
class Scheduler;

enum class Kind { Label, Button, TextBox, ListBox, CheckBox, Image, Shape, Line, Frame, Timer };

const char* kindName(Kind kind);

// What changed on a control, for the observer.
enum class Prop { Visible, Enabled, Text, Tooltip, Picture, Items, Selected, Checked, Draggable };

class Control {
  public:
    Control(Form& form, Kind kind, std::string name);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    Form& form() const { return form_; }
    Kind kind() const { return kind_; }
    const std::string& name() const { return name_; }

    // The caption of a label, button, check box or frame; the text of a text box.
    const std::string& text() const { return text_; }
    void setText(std::string text);

    bool visible() const { return visible_; }
    virtual void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    bool enabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);
    void enable() { setEnabled(true); }
    void disable() { setEnabled(false); }

    const std::string& tooltip() const { return tooltip_; }
    void setTooltip(std::string tooltip);

    // A free text the game keeps on the control (a marker, a mode).
    const std::string& tag() const { return tag_; }
    void setTag(std::string tag) { tag_ = std::move(tag); }

    // The frame this control sits in, if any; hiding the frame hides it too.
    Control* container() const { return container_; }
    void setContainer(Control* frame) { container_ = frame; }

    // Visible on screen: the control, every frame around it and its window.
    bool shown() const;
    // A person can act on it: shown and enabled.
    bool usable() const { return shown() && enabled(); }

    // Events a person raises. The handlers are the game's.
    std::function<void()> onClick;
    std::function<void()> onMouseMove;
    void click();
    void mouseMove();

    // Runs a handler of this control; an error it lets out goes to the form.
    void guarded(const std::function<void()>& handler);

  protected:
    void changed(Prop prop);

  private:
    Form& form_;
    Kind kind_;
    std::string name_;
    std::string text_;
    std::string tooltip_;
    std::string tag_;
    bool visible_ = true;
    bool enabled_ = true;
    Control* container_ = nullptr;
};

class Label : public Control {
  public:
    Label(Form& form, std::string name) : Control(form, Kind::Label, std::move(name)) {}
};

class Button : public Control {
  public:
    Button(Form& form, std::string name) : Control(form, Kind::Button, std::move(name)) {}
};

class TextBox : public Control {
  public:
    TextBox(Form& form, std::string name) : Control(form, Kind::TextBox, std::move(name)) {}
    // A person replaces the whole text.
    void type(std::string text);
    std::function<void()> onChange;
};

class CheckBox : public Control {
  public:
    CheckBox(Form& form, std::string name) : Control(form, Kind::CheckBox, std::move(name)) {}
    bool checked() const { return checked_; }
    void setChecked(bool checked);
    // A person clicks the box: it toggles, then its click handler runs.
    void toggle();

  private:
    bool checked_ = false;
};

class ListBox : public Control {
  public:
    ListBox(Form& form, std::string name) : Control(form, Kind::ListBox, std::move(name)) {}
    const std::vector<std::string>& items() const { return items_; }
    void addItem(std::string item);
    void clear();
    int selected() const { return selected_; }
    void setSelected(int index);
    // A person clicks item `index`: it becomes selected, then the click handler
    // runs. Returns false when there is no such item.
    bool choose(int index);

  private:
    std::vector<std::string> items_;
    int selected_ = -1;
};

class Image : public Control {
  public:
    Image(Form& form, std::string name) : Control(form, Kind::Image, std::move(name)) {}

    const PicturePtr& picture() const { return picture_; }
    void setPicture(PicturePtr picture);
    // The picture shown while this image is dragged.
    const PicturePtr& dragIcon() const { return dragIcon_; }
    void setDragIcon(PicturePtr picture) { dragIcon_ = std::move(picture); }

    // Automatic drag mode: pressing the mouse on the image starts a drag.
    bool draggable() const { return draggable_; }
    void setDraggable(bool draggable);

    std::function<void(Control& source)> onDragDrop;
    std::function<void(Control& source)> onDragOver;
    void dragOver(Control& source);
    void dragDrop(Control& source);

  private:
    PicturePtr picture_;
    PicturePtr dragIcon_;
    bool draggable_ = false;
};

class Shape : public Control {
  public:
    Shape(Form& form, std::string name) : Control(form, Kind::Shape, std::move(name)) {}
};

class Line : public Control {
  public:
    Line(Form& form, std::string name) : Control(form, Kind::Line, std::move(name)) {}
};

class Frame : public Control {
  public:
    Frame(Form& form, std::string name) : Control(form, Kind::Frame, std::move(name)) {}
};

// A timer fires its handler every `interval` milliseconds of the scheduler's
// clock while it is enabled and its form exists.
class Timer : public Control {
  public:
    Timer(Form& form, std::string name, int interval, bool enabled);
    ~Timer() override;

    int interval() const { return interval_; }
    void setInterval(int ms);
    void setEnabled(bool enabled) override;

    std::function<void()> onTimer;

  private:
    friend class Scheduler;
    void restart();

    int interval_;
    Scheduler* scheduler_ = nullptr;  // set once the form exists
    std::uint64_t order_ = 0;         // creation order among all timers
    std::int64_t due_ = -1;           // next firing, -1 for none
    std::uint64_t phase_ = 0;         // bumped whenever the phase restarts
    bool running_ = false;            // its handler is on the stack
};

}  // namespace forms
