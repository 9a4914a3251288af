// A fresh program folder under the system's temporary folder, removed afterwards.
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
    // Writes bytes to a path relative to the folder, creating folders on the way.
    void write(const std::string& relative, const std::string& bytes) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;
    void remove(const std::string& relative) const;

  private:
    std::filesystem::path path_;
};

} // namespace quirn::test
