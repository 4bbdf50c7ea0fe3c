// The one link between the game's headless windows and the widgets on the
// screen. For every window that comes into existence the binder makes its
// view (Views.h), finds the widget of every control by the control's name,
// copies the window's whole state into the widgets and from then on mirrors
// every change. The other way, it hands a person's clicks, typing, list
// choices, mouse moves and drags over to the controls, which run the game's
// handlers. Nothing of the game's rules is here.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>

#include "forms/Form.h"

class QLabel;
class QWidget;

namespace game {
class Game;
}

namespace front {

class FormWindow;

class Binder : public QObject, public forms::FormObserver {
  public:
    // Binds every window of `game` from now on, and those that already exist.
    explicit Binder(game::Game& game);
    ~Binder() override;
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    // Makes and binds the window of `form` (once). Throws std::logic_error
    // when its view lacks the widget of a control or has one of the wrong kind.
    void bind(forms::Form& form);

    // The window of a bound form and the widget of a bound control, else nullptr.
    QWidget* window(const forms::Form& form) const;
    QWidget* widget(const forms::Control& control) const;

    // The binder that shows `form`, if any.
    static Binder* of(const forms::Form& form);

    void controlChanged(forms::Control& control, forms::Prop prop) override;
    void formVisibilityChanged(forms::Form& form) override;
    void formRaised(forms::Form& form) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void prepare(forms::Control& control, QWidget& widget);
    void display(const forms::Control& control, forms::Prop prop);
    void displaySelection(const forms::ListBox& list);
    void fitLater(const forms::Form& form);
    bool listKeyPress(forms::ListBox& list, QObject* widget, QEvent* event);

    // Dragging an image onto another image of its window.
    bool dragEvent(forms::Control& control, QWidget& widget, QEvent* event);
    void startDrag(QPoint global);
    void moveDrag(QPoint global);
    void endDrag(QPoint global, bool drop);
    forms::Image* imageAt(const forms::Form& form, QPoint global) const;

    game::Game& game_;
    std::map<const forms::Form*, std::unique_ptr<FormWindow>> windows_;
    std::unordered_map<const forms::Control*, QWidget*> widgets_;
    // Every widget that takes input for a control: its own widget, and the
    // viewport of a list.
    std::unordered_map<const QObject*, forms::Control*> inputs_;
    std::set<const forms::Form*> unfitted_;
    QPointer<QObject> pressed_;               // where the left button went down
    forms::ListBox* keyboardList_ = nullptr;  // the list handling a key press

    struct Drag {
        forms::Image* source = nullptr;  // pressed on, draggable
        QPointer<QWidget> widget;        // its widget, which holds the mouse while dragging
        QPoint origin;                   // where the button went down
        bool active = false;             // moved far enough to be a drag
        std::unique_ptr<QLabel> image;   // the floating icon
    };
    Drag drag_;
};

}  // namespace front
