// Every file the game touches lies below the program folder. Names below it are
// matched without regard to letter case, component by component (an exact-case
// name wins), so level packs and settings written with any case are found.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quirn {

class ProgramFolder {
  public:
    explicit ProgramFolder(std::filesystem::path root);

    const std::filesystem::path& root() const { return root_; }

    // relative is split at '/' and '\'. Existing components resolve to their on-disk
    // spelling; the first missing one and everything after it are kept as given.
    // A path with a ".." component gives the empty path, which names no file.
    std::filesystem::path resolve(const std::string& relative) const;

    // A plain file (or a link to one) exists under that name.
    bool fileExists(const std::string& relative) const;

    // The whole file, or nothing when it is missing, not a plain file, unreadable,
    // or larger than maxBytes (a file that big was never written by the game).
    std::optional<std::string> readFile(const std::string& relative,
                                        std::size_t maxBytes = kDefaultReadLimit) const;

    // The file's first maxBytes bytes (all of a smaller one), for readers that stop
    // after a few lines; nothing when it is missing, not a plain file or unreadable.
    std::optional<std::string> readStart(const std::string& relative,
                                         std::size_t maxBytes = kDefaultReadLimit) const;

    // Replaces the file atomically: a temporary file beside it, then a rename.
    // A read-only file is left alone; a symbolic link is written through.
    // Returns false, and changes nothing, when the write can't be done.
    bool writeFile(const std::string& relative, const std::string& bytes) const;

    // Names of the plain files of a folder, sorted without regard to case; empty when
    // the folder is missing.
    std::vector<std::string> listFiles(const std::string& relativeFolder) const;

    // Path relative to the root with forward slashes, for output.
    std::string relativeName(const std::filesystem::path& path) const;

    static constexpr std::size_t kDefaultReadLimit = 1 << 20;

  private:
    std::filesystem::path root_;
};

} // namespace quirn
