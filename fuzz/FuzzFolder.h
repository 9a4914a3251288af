// A folder of the fuzzer's own for one run, in memory where the system offers /dev/shm;
// removed when the run ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace quirn::fuzz {

class FuzzFolder {
  public:
    FuzzFolder() {
        namespace fs = std::filesystem;
        std::error_code ec;
        const fs::path base =
            fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
        path_ = base / ("quirn-fuzz-" + std::to_string(::getpid()));
        fs::create_directories(path_);
    }
    ~FuzzFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes a file, making its folders.
    static void write(const std::filesystem::path& file, const std::string& bytes) {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    }

  private:
    std::filesystem::path path_;
};

} // namespace quirn::fuzz
