// The fuzzer's bytes read as choices and texts, front to back; past the end every
// choice is 0 and every text empty, so any input is a whole run.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quirn::fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ >= size_; }
    std::uint8_t byte() { return empty() ? 0 : data_[at_++]; }
    // A choice among n (n > 0).
    int below(int n) { return byte() % n; }
    // A text of up to 255 bytes, its length first.
    std::string text() {
        std::size_t length = byte();
        if (length > size_ - std::min(at_, size_)) length = size_ - std::min(at_, size_);
        std::string out(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        return out;
    }
    // Everything left.
    std::string rest() {
        std::string out(reinterpret_cast<const char*>(data_ + std::min(at_, size_)),
                        size_ - std::min(at_, size_));
        at_ = size_;
        return out;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A property that must hold; a broken one is a finding, reported with the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

} // namespace quirn::fuzz
