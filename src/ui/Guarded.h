#pragma once
// Runs a window's event handler so that nothing escapes into Qt's event loop:
// an exception ends the handler with an error box over the window.
#include <functional>

class QWidget;

namespace scv {

void Guarded(QWidget* window, const std::function<void()>& action);

// (presenter->*handler)(). Written in a lambda that captures this, g++'s
// UndefinedBehaviorSanitizer takes that call for a member access on the
// lambda's object and reports a wrong type; through here it does not.
template <class Presenter>
void Call(Presenter* presenter, void (Presenter::*handler)()) {
  (presenter->*handler)();
}

}  // namespace scv
