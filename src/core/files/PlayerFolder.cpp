#include "core/files/ProgramFolder.h"

#include <cstdlib>
#include <unistd.h>

namespace quirn {
namespace fs = std::filesystem;

namespace {

// Where the player's data files go: $XDG_DATA_HOME, else ~/.local/share; only an
// absolute path counts.
std::optional<fs::path> dataHome() {
    const auto absolute = [](const char* text) { return text && text[0] == '/'; };
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); absolute(xdg)) return fs::path(xdg);
    if (const char* home = std::getenv("HOME"); absolute(home))
        return fs::path(home) / ".local" / "share";
    return std::nullopt;
}

} // namespace

ProgramFolder openProgramFolder(const fs::path& dataFolder, DataFolderKind kind) {
    if (kind == DataFolderKind::own && ::access(dataFolder.c_str(), W_OK) == 0)
        return ProgramFolder(dataFolder);
    if (const std::optional<fs::path> home = dataHome())
        return ProgramFolder(dataFolder, *home / "quirn-puzzle");
    return ProgramFolder(dataFolder);
}

} // namespace quirn
