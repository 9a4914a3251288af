#include "core/files/ProgramFolder.h"

#include "core/text/LetterCase.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <random>
#include <system_error>
#include <unistd.h>

namespace quirn {
namespace fs = std::filesystem;

namespace {

std::vector<std::string> splitComponents(const std::string& relative) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : relative) {
        if (c == '/' || c == '\\') {
            if (!current.empty()) parts.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) parts.push_back(std::move(current));
    return parts;
}

// The on-disk spelling of name inside folder, exact case first.
std::optional<std::string> findEntry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(folder / name, ec)) return name;
    std::optional<std::string> found;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (equalsIgnoringCase(entry, name) && (!found || entry < *found)) found = entry;
    }
    return found;
}

bool isPlainFile(const fs::path& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

// The first maxBytes bytes of a plain file; with wholeOnly, nothing for a longer file.
std::optional<std::string> readPlainFile(const fs::path& path, std::size_t maxBytes,
                                         bool wholeOnly) {
    if (!isPlainFile(path)) return std::nullopt;
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (ec || (wholeOnly && size > maxBytes)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(std::min<std::uintmax_t>(size, maxBytes), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

} // namespace

ProgramFolder::ProgramFolder(fs::path root) : root_(std::move(root)) {}

fs::path ProgramFolder::resolve(const std::string& relative) const {
    fs::path path = root_;
    bool matching = true;
    for (const std::string& part : splitComponents(relative)) {
        if (part == ".") continue;
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

bool ProgramFolder::fileExists(const std::string& relative) const {
    return isPlainFile(resolve(relative));
}

std::optional<std::string> ProgramFolder::readFile(const std::string& relative,
                                                   std::size_t maxBytes) const {
    return readPlainFile(resolve(relative), maxBytes, true);
}

std::optional<std::string> ProgramFolder::readStart(const std::string& relative,
                                                    std::size_t maxBytes) const {
    return readPlainFile(resolve(relative), maxBytes, false);
}

bool ProgramFolder::writeFile(const std::string& relative, const std::string& bytes) const {
    std::error_code ec;
    fs::path target = resolve(relative);
    if (target.empty()) return false;
    // Write through a link to the file it names, so the link stays a link.
    for (int hops = 0; hops < 16 && fs::is_symlink(target, ec); ++hops) {
        fs::path next = fs::read_symlink(target, ec);
        if (ec) return false;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    const bool existed = fs::exists(target, ec);
    if (existed) {
        if (!fs::is_regular_file(target, ec)) return false;
        // Permission bits count even for a user the system would let through.
        const auto perms = fs::status(target, ec).permissions();
        const auto writeBits =
            fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        if (ec || (perms & writeBits) == fs::perms::none) return false;
        if (::access(target.c_str(), W_OK) != 0) return false;
    }
    const fs::path folder = target.parent_path();
    if (!fs::is_directory(folder, ec)) return false;

    std::random_device seed;
    const fs::path temp =
        folder / ("." + target.filename().string() + ".tmp" + std::to_string(seed() % 1000000));
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return false;
        }
    }
    if (existed) {
        const auto perms = fs::status(target, ec).permissions();
        if (!ec) fs::permissions(temp, perms, ec);
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

std::vector<std::string> ProgramFolder::listFiles(const std::string& relativeFolder) const {
    std::vector<std::string> names;
    const fs::path folder = resolve(relativeFolder);
    if (folder.empty()) return names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (isPlainFile(it->path())) names.push_back(it->path().filename().string());
    }
    // Sorted as the player reads them, letter case aside.
    std::sort(names.begin(), names.end(), lessIgnoringCase);
    return names;
}

std::string ProgramFolder::relativeName(const fs::path& path) const {
    std::string text = path.lexically_relative(root_).generic_string();
    return text.empty() || text.rfind("..", 0) == 0 ? path.generic_string() : text;
}

} // namespace quirn
