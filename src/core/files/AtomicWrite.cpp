#include "core/files/AtomicWrite.h"

#include "core/files/PathNames.h"
#include "core/files/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace quirn {
namespace fs = std::filesystem;

namespace {

// More links than this in a row count as a loop, as the system counts them.
constexpr int kMostLinks = 40;

std::string systemError(int number) {
    return std::generic_category().message(number);
}

WriteResult failed(const fs::path& target, std::string why) {
    return {target, std::move(why)};
}

// The file a chain of links at path ends in (path itself when it is no link).
std::optional<fs::path> finalTarget(fs::path path, std::string& why) {
    for (int hops = 0;; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) return path;
            why = systemError(errno);
            return std::nullopt;
        }
        if (!S_ISLNK(st.st_mode)) return path;
        if (hops == kMostLinks) {
            why = systemError(ELOOP);
            return std::nullopt;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            why = ec.message();
            return std::nullopt;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

WriteResult writeAtomically(const fs::path& target, std::string_view bytes,
                            const std::vector<fs::path>& folders) {
    std::string why;
    const std::optional<fs::path> linked = finalTarget(target, why);
    if (!linked) return failed(target, why);
    const fs::path name = linked->filename();
    if (name.empty() || name == "." || name == ".." || !liesInside(*linked, folders))
        return failed(target, kOutsideFolders);
    // The folder the file lands in, every link on the way followed.
    std::error_code ec;
    const fs::path folder = fs::canonical(linked->parent_path(), ec);
    if (ec) return failed(target, ec.message());
    const fs::path file = folder / name;

    struct stat old {};
    const bool existed = ::lstat(file.c_str(), &old) == 0;
    if (existed) {
        if (!S_ISREG(old.st_mode)) return failed(file, "it is not a plain file");
        // Permission bits count even for a user the system would let through.
        if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(file.c_str(), W_OK) != 0)
            return failed(file, systemError(EACCES));
    }

    std::random_device seed;
    std::string tempName = ".";
    tempName += name.string();
    tempName += ".tmp";
    tempName += std::to_string(seed() % 1000000);
    const fs::path temp = folder / tempName;
    const mode_t mode = existed ? (old.st_mode & 07777) : 0666;
    UniqueFd out(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!out.valid()) return failed(file, systemError(errno));
    if (existed) {
        // The old file's mode and group stay (a group-shared folder stays shared), where
        // the player may set them; otherwise the new file keeps the player's own.
        if (::fchown(out.get(), static_cast<uid_t>(-1), old.st_gid) != 0) errno = 0;
        if (::fchmod(out.get(), mode) != 0) errno = 0;
    }
    int error = writeAll(out.get(), bytes) ? 0 : errno;
    // On the disk before the rename, so a power cut leaves the old file or the new one.
    if (error == 0 && ::fsync(out.get()) != 0) error = errno;
    if (const int closing = out.close(); error == 0) error = closing;
    if (error == 0 && ::rename(temp.c_str(), file.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return failed(file, systemError(error));
    }
    return {file, {}};
}

} // namespace quirn
