#include "core/files/PathNames.h"

#include "core/text/LetterCase.h"

#include <dirent.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <system_error>

namespace quirn {
namespace fs = std::filesystem;

namespace {

// The on-disk spelling of name inside folder, exact case first.
std::optional<std::string> findEntry(const fs::path& folder, const std::string& name) {
    struct stat st {};
    if (::lstat((folder / name).c_str(), &st) == 0) return name;
    std::optional<std::string> found;
    forEachEntry(folder, [&](const dirent& entry, int) {
        const std::string_view entryName = entry.d_name;
        if (equalsIgnoringCase(entryName, name) && (!found || entryName < *found))
            found = std::string(entryName);
    });
    return found;
}

} // namespace

std::vector<std::string> pathComponents(const std::string& relative) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= relative.size()) {
        std::size_t end = relative.find('/', start);
        if (end == std::string::npos) end = relative.size();
        std::string part = relative.substr(start, end - start);
        if (!part.empty() && part != ".") parts.push_back(std::move(part));
        start = end + 1;
    }
    return parts;
}

fs::path resolveBelow(const fs::path& root, const std::string& relative) {
    fs::path path = root;
    bool matching = true;
    for (const std::string& part : pathComponents(relative)) {
        // Nothing the game names may lead out of its folder (a level name from a
        // player's file, say).
        if (part == "..") return {};
        if (matching) {
            if (auto entry = findEntry(path, part)) {
                path /= *entry;
                continue;
            }
            matching = false;
        }
        path /= part;
    }
    return path;
}

void forEachEntry(const fs::path& folder,
                  const std::function<void(const dirent& entry, int folderFd)>& visit) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir.get())) visit(*entry, ::dirfd(dir.get()));
}

bool liesInside(const fs::path& path, const std::vector<fs::path>& folders) {
    std::error_code ec;
    const fs::path real = fs::weakly_canonical(path, ec);
    if (ec) return false;
    for (const fs::path& folder : folders) {
        if (folder.empty()) continue;
        const fs::path realFolder = fs::weakly_canonical(folder, ec);
        if (ec) continue;
        const fs::path inside = real.lexically_relative(realFolder);
        if (!inside.empty() && *inside.begin() != "..") return true;
    }
    return false;
}

} // namespace quirn
