#pragma once
// Runs a window's event handler so that nothing escapes into Qt's event loop:
// an exception ends the handler with an error box over the window.
#include <functional>

class QWidget;

namespace scv {

void Guarded(QWidget* window, const std::function<void()>& action);

}  // namespace scv
