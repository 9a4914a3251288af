// The whole state of a session as one JSON line: {"state":{...}}.
#pragma once

#include "core/app/Form1.h"

#include <string>

namespace quirn::script {

std::string stateJson(const Form1& form);

} // namespace quirn::script
