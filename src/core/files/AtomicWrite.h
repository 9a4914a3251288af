// Replacing a file whole, so that a reader finds the old file or the new one, never a
// part; and only inside the game's folders.
#pragma once

#include "core/files/ProgramFolder.h"

#include <filesystem>
#include <string_view>
#include <vector>

namespace quirn {

// Writes bytes to a temporary file beside the target, then renames it over the target.
// A link at the target is followed to its final target, which must lie inside one of
// the folders; a read-only or non-plain file is not replaced. When the write can't be
// done, nothing changes and the result says why (the system's own words where it has
// them).
WriteResult writeAtomically(const std::filesystem::path& target, std::string_view bytes,
                            const std::vector<std::filesystem::path>& folders);

// The reason given for a name that leads outside the game's folders.
inline constexpr const char* kOutsideFolders = "it leads outside the game's folders";

} // namespace quirn
