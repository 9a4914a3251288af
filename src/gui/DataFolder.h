// Where the game's shipped data lies, seen from the folder of its executable.
#pragma once

#include "core/files/ProgramFolder.h"

#include <filesystem>

namespace quirn::qt {

struct DataFolder {
    std::filesystem::path path;
    DataFolderKind kind = DataFolderKind::own;
};

// The executable's own folder when it holds puzzles/ (a build, or a copy kept in one
// folder); else installedRelative below it when that is a folder (an install such as
// bin/ beside share/quirn-puzzle/); else the executable's folder, where the game finds
// its files missing and goes on.
DataFolder dataFolder(const std::filesystem::path& executableFolder,
                      const std::filesystem::path& installedRelative);

} // namespace quirn::qt
