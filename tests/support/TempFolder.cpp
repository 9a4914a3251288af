#include "support/TempFolder.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace quirn::test {
namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::random_device seed;
    path_ = fs::temp_directory_path() / ("quirn-test-" + std::to_string(seed()));
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
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

bool TempFolder::exists(const std::string& relative) const {
    return fs::exists(path_ / relative);
}

void TempFolder::remove(const std::string& relative) const {
    fs::remove(path_ / relative);
}

} // namespace quirn::test
