#include "core/files/ProgramFolder.h"

#include "core/files/AtomicWrite.h"
#include "core/files/PathNames.h"
#include "core/files/UniqueFd.h"
#include "core/text/LetterCase.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unordered_set>

namespace quirn {
namespace fs = std::filesystem;

namespace {

bool isPlainFile(const fs::path& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// The first maxBytes bytes of a plain file; with wholeOnly, nothing for a longer file.
// A FIFO, device or folder is never opened for reading, so nothing can block or act.
std::optional<std::string> readPlainFile(const fs::path& path, std::size_t maxBytes,
                                         bool wholeOnly) {
    if (!isPlainFile(path)) return std::nullopt;
    const UniqueFd in(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    // Checked again on the open file: the name may have changed in between.
    if (!in.valid() || ::fstat(in.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    const auto size = static_cast<std::uintmax_t>(st.st_size);
    if (wholeOnly && size > maxBytes) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)), '\0');
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(in.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break; // the file shrank meanwhile
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return bytes;
}

// Appends the names of the plain files (or links to one) of a folder, the type taken
// from the folder's entry wherever it gives one.
void appendPlainFiles(const fs::path& folder, std::vector<std::string>& names) {
    if (folder.empty()) return;
    forEachEntry(folder, [&names](const dirent& entry, int folderFd) {
        bool plain = entry.d_type == DT_REG;
        if (entry.d_type == DT_LNK || entry.d_type == DT_UNKNOWN) {
            struct stat st {};
            plain = ::fstatat(folderFd, entry.d_name, &st, 0) == 0 && S_ISREG(st.st_mode);
        }
        if (plain) names.emplace_back(entry.d_name);
    });
}

} // namespace

ProgramFolder::ProgramFolder(fs::path root) : root_(std::move(root)) {}

ProgramFolder::ProgramFolder(fs::path root, fs::path playerRoot)
    : root_(std::move(root)), playerRoot_(std::move(playerRoot)) {}

std::vector<fs::path> ProgramFolder::readRoots() const {
    if (playerRoot_.empty()) return {root_};
    return {playerRoot_, root_};
}

fs::path ProgramFolder::resolve(const std::string& relative) const {
    if (!playerRoot_.empty()) {
        const fs::path mine = resolveBelow(playerRoot_, relative);
        std::error_code ec;
        if (mine.empty() || fs::exists(mine, ec)) return mine;
    }
    return resolveBelow(root_, relative);
}

bool ProgramFolder::fileExists(const std::string& relative) const {
    return isPlainFile(resolve(relative));
}

bool ProgramFolder::fileExistsAsSpelled(const std::string& relative) const {
    fs::path path;
    for (const std::string& part : pathComponents(relative)) {
        if (part == "..") return false;
        path /= part;
    }
    return std::ranges::any_of(readRoots(),
                               [&path](const fs::path& root) { return isPlainFile(root / path); });
}

std::optional<std::string> ProgramFolder::readFile(const std::string& relative,
                                                   std::size_t maxBytes) const {
    return readPlainFile(resolve(relative), maxBytes, true);
}

std::optional<std::string> ProgramFolder::readStart(const std::string& relative,
                                                    std::size_t maxBytes) const {
    return readPlainFile(resolve(relative), maxBytes, false);
}

std::string ProgramFolder::makePlayerFolder(const std::string& relativeFolder) const {
    // The folder is made where the program folder has it, in the same spelling.
    const fs::path shipped = resolveBelow(root_, relativeFolder);
    std::error_code ec;
    if (shipped.empty() || !fs::is_directory(shipped, ec)) return {};
    const fs::path mine =
        resolveBelow(playerRoot_, shipped.lexically_relative(root_).generic_string());
    if (fs::is_directory(mine, ec)) return {};
    if (!liesInside(mine, {playerRoot_})) return kOutsideFolders;
    fs::create_directories(mine, ec);
    return ec ? ec.message() : std::string();
}

WriteResult ProgramFolder::writeFile(const std::string& relative, const std::string& bytes) const {
    const fs::path& base = playerRoot_.empty() ? root_ : playerRoot_;
    if (!playerRoot_.empty()) {
        const std::size_t slash = relative.rfind('/');
        const std::string folder = slash == std::string::npos ? "" : relative.substr(0, slash);
        if (std::string why = makePlayerFolder(folder); !why.empty())
            return {resolveBelow(base, relative), why};
    }
    const fs::path target = resolveBelow(base, relative);
    if (target.empty()) return {base, kOutsideFolders};
    return writeAtomically(target, bytes, readRoots());
}

std::vector<std::string> ProgramFolder::listFiles(const std::string& relativeFolder) const {
    std::vector<std::string> names;
    appendPlainFiles(resolveBelow(root_, relativeFolder), names);
    if (!playerRoot_.empty()) {
        std::vector<std::string> mine;
        appendPlainFiles(resolveBelow(playerRoot_, relativeFolder), mine);
        // A name of the player's hides the shipped one in any letter case, as a read does.
        std::unordered_set<std::string> hidden;
        for (const std::string& name : mine) hidden.insert(lowerCase(name));
        std::erase_if(names, [&hidden](const std::string& name) {
            return hidden.count(lowerCase(name)) != 0;
        });
        names.insert(names.end(), std::make_move_iterator(mine.begin()),
                     std::make_move_iterator(mine.end()));
    }
    // Sorted as the player reads them, letter case aside.
    sortIgnoringCase(names);
    return names;
}

std::string ProgramFolder::relativeName(const fs::path& path) const {
    for (const fs::path& root : readRoots()) {
        const std::string text = path.lexically_relative(root).generic_string();
        if (!text.empty() && text.rfind("..", 0) != 0) return text;
    }
    return path.generic_string();
}

} // namespace quirn
