#include "support/TempFolder.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace quirn::test {
namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::random_device seed;
    do path_ = fs::temp_directory_path() / ("quirn-test-" + std::to_string(seed()));
    while (!fs::create_directory(path_));
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void TempFolder::write(const std::string& relative, const std::string& bytes) const {
    const fs::path file = path_ / relative;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

std::string TempFolder::read(const std::string& relative) const {
    std::ifstream in(path_ / relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

GameFolder::GameFolder() {
    fs::copy(QUIRN_DATA_DIR, path(), fs::copy_options::recursive);
    std::vector<fs::path> levels;
    for (const auto& entry : fs::recursive_directory_iterator(path() / "puzzles"))
        if (entry.path().extension() == ".puz") levels.push_back(entry.path());
    for (const fs::path& level : levels) fs::remove(level);
}

} // namespace quirn::test
