#include "gui/DataFolder.h"

namespace quirn::qt {

namespace fs = std::filesystem;

DataFolder dataFolder(const fs::path& executableFolder, const fs::path& installedRelative) {
    std::error_code ec;
    if (fs::is_directory(executableFolder / "puzzles", ec)) return {executableFolder};
    const fs::path installed = (executableFolder / installedRelative).lexically_normal();
    if (fs::is_directory(installed, ec)) return {installed, DataFolderKind::installed};
    return {executableFolder};
}

} // namespace quirn::qt
