// Names below one of the game's folders, and whether a path lies inside them.
#pragma once

#include <dirent.h>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace quirn {

// The path of relative below root: existing components take their on-disk spelling (exact
// case first, else the first match without regard to case); from the first missing one
// on, the components are kept as given. Empty for a name with a ".." component.
std::filesystem::path resolveBelow(const std::filesystem::path& root, const std::string& relative);

// Calls visit with each entry of a folder as the system lists it (its type, where the
// folder's entry gives one, without a look at the file) and the open folder's descriptor;
// nothing for a folder that can't be read.
void forEachEntry(const std::filesystem::path& folder,
                  const std::function<void(const dirent& entry, int folderFd)>& visit);

// relative split at '/', without empty and "." components.
std::vector<std::string> pathComponents(const std::string& relative);

// The path lies in one of the folders or below it, after every link is followed.
bool liesInside(const std::filesystem::path& path,
                const std::vector<std::filesystem::path>& folders);

} // namespace quirn
