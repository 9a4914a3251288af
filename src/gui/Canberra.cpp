#include "gui/Canberra.h"

#include <QLibrary>

namespace quirn::qt {
namespace {

template <typename Function>
void find(QLibrary& library, Function& function, const char* name, std::string& missing) {
    function = reinterpret_cast<Function>(library.resolve(name));
    if (!function && missing.empty()) missing = name;
}

} // namespace

bool Canberra::load(std::string& error) {
    // Stays loaded for the program's life: the sound server's connection keeps a thread.
    QLibrary library(QStringLiteral("canberra"), 0);
    if (!library.load()) {
        error = library.errorString().toStdString();
        return false;
    }
    std::string missing;
    find(library, create, "ca_context_create", missing);
    find(library, destroy, "ca_context_destroy", missing);
    find(library, setDriver, "ca_context_set_driver", missing);
    find(library, changeProps, "ca_context_change_props", missing);
    find(library, open, "ca_context_open", missing);
    find(library, cache, "ca_context_cache", missing);
    find(library, play, "ca_context_play", missing);
    find(library, describe, "ca_strerror", missing);
    if (!missing.empty()) error = "no " + missing + " in libcanberra";
    return missing.empty();
}

} // namespace quirn::qt
