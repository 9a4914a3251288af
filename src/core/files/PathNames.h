// Names below one of the game's folders, and whether a path lies inside them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quirn {

// relative split at '/', without empty and "." components.
std::vector<std::string> pathComponents(const std::string& relative);

// The path of relative below root: existing components take their on-disk spelling (exact
// case first, else the first match without regard to case); from the first missing one
// on, the components are kept as given. Empty for a name with a ".." component.
std::filesystem::path resolveBelow(const std::filesystem::path& root, const std::string& relative);

// The path lies in one of the folders or below it, after every link is followed.
bool liesInside(const std::filesystem::path& path,
                const std::vector<std::filesystem::path>& folders);

} // namespace quirn
