// A fresh folder under the system's temporary folder, removed with all it holds.
#pragma once

#include <filesystem>
#include <string>

namespace quirn::test {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Paths relative to the folder; a write makes the folders on the way.
    void write(const std::string& relative, const std::string& bytes) const;
    std::string read(const std::string& relative) const;

  private:
    std::filesystem::path path_;
};

// A program folder holding the repository's data/ (settings, help texts, pictures and
// sounds) but none of its levels: each test lays the levels it plays.
struct GameFolder : TempFolder {
    GameFolder();
};

} // namespace quirn::test
