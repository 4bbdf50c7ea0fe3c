// The Designer view of every kind of window: a widget per control, named
// after it. A pair of player windows (p1Units and p2Units, ...) shares one
// view, since they are one class of window built twice.
#pragma once

#include <QWidget>
#include <memory>

#include "forms/Form.h"

namespace front {

// Makes the widgets of the view of `form`. Throws std::logic_error when no
// view is known for the class of the window.
std::unique_ptr<QWidget> makeView(const forms::Form& form);

}  // namespace front
