// Every input reaches the game through one call that runs the handler and then brings
// the window in line with the model.
#pragma once

#include "core/app/Form1.h"

#include <functional>

namespace quirn::qt {

using Dispatch = std::function<void(const std::function<void(Form1&)>&)>;

} // namespace quirn::qt
