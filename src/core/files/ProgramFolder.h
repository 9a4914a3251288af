// Every file the game touches lies below the program folder or, when the player may not
// write there (a system-wide install), below a folder of the player's own laid out the
// same way: reads look there first, writes go there. Names are matched without regard to
// letter case, component by component (an exact-case name wins), so level packs and
// settings written with any case are found.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quirn {

struct WriteResult {
    std::filesystem::path target; // the file written, or meant to be
    std::string error;            // why nothing was written; empty when it was
    bool written() const { return error.empty(); }
};

class ProgramFolder {
  public:
    // Everything in one folder.
    explicit ProgramFolder(std::filesystem::path root);
    // The shipped data in root, the player's files in playerRoot (made when first needed).
    ProgramFolder(std::filesystem::path root, std::filesystem::path playerRoot);

    const std::filesystem::path& root() const { return root_; }
    // Empty when everything stays in the program folder.
    const std::filesystem::path& playerRoot() const { return playerRoot_; }

    // relative is split at '/'. The path in the first folder (the player's first) where
    // the name exists, else in the program folder; existing components take their
    // on-disk spelling, the first missing one and everything after it are kept as given.
    // A path with a ".." component gives the empty path, which names no file.
    std::filesystem::path resolve(const std::string& relative) const;

    // A plain file (or a link to one) exists under that name.
    bool fileExists(const std::string& relative) const;
    // As fileExists, for the name exactly as spelled: no folder is read, so it stays quick
    // in a folder of a hundred thousand files.
    bool fileExistsAsSpelled(const std::string& relative) const;

    // The whole file, or nothing when it is missing, not a plain file, unreadable,
    // or larger than maxBytes (a file that big was never written by the game).
    std::optional<std::string> readFile(const std::string& relative,
                                        std::size_t maxBytes = kDefaultReadLimit) const;

    // The file's first maxBytes bytes (all of a smaller one), for readers that stop
    // after a few lines; nothing when it is missing, not a plain file or unreadable.
    std::optional<std::string> readStart(const std::string& relative,
                                         std::size_t maxBytes = kDefaultReadLimit) const;

    // Replaces the file atomically (a temporary file beside it, then a rename) in the
    // player's folder, or the program folder when there is none. A folder the program
    // folder has is made in the player's folder; a missing one is not. A read-only file
    // is left alone; a link is written through only when its final target lies inside
    // the game's folders. Changes nothing when the write can't be done, and says why.
    WriteResult writeFile(const std::string& relative, const std::string& bytes) const;

    // Names of the plain files of a folder in both folders, sorted without regard to
    // case; a name in the player's folder hides the program folder's in any letter case,
    // as it does for a read. Empty when the folder is missing.
    std::vector<std::string> listFiles(const std::string& relativeFolder) const;

    // Path relative to the folder that holds it, with forward slashes, for output.
    std::string relativeName(const std::filesystem::path& path) const;

    static constexpr std::size_t kDefaultReadLimit = 1 << 20;

  private:
    // The folders reads look in, the player's first.
    std::vector<std::filesystem::path> readRoots() const;
    // Makes the folder a write into the player's folder needs; the error, if any.
    std::string makePlayerFolder(const std::string& relativeFolder) const;

    std::filesystem::path root_;
    std::filesystem::path playerRoot_;
};

// Whether the game was given its own folder (a build, a copy in the player's home) or a
// system-wide install, whose shipped files no player changes, root included.
enum class DataFolderKind { own, installed };

// The folders for the data folder the game was given: its own folder alone when the
// player may write there; otherwise, and always for an install, the player's files go to
// $XDG_DATA_HOME/quirn-puzzle (by default ~/.local/share/quirn-puzzle). The one place the
// front ends make a ProgramFolder.
ProgramFolder openProgramFolder(const std::filesystem::path& dataFolder,
                                DataFolderKind kind = DataFolderKind::own);

} // namespace quirn
