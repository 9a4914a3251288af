// libcanberra, loaded at run time: its libraries stay out of the game's start-up, and a
// machine without them plays silently.
#pragma once

#include <canberra.h>
#include <string>

namespace quirn::qt {

struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_set_driver) setDriver = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_open) open = nullptr;
    decltype(&ca_context_cache) cache = nullptr;
    decltype(&ca_context_play) play = nullptr;
    decltype(&ca_strerror) describe = nullptr;

    // Loads the library and finds every function; false, with the reason in error, when
    // any is missing.
    bool load(std::string& error);
};

} // namespace quirn::qt
