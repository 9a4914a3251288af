// A small JSON reader for the tests: enough to check the driver's output lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quirn::testing {

class JsonValue {
  public:
    enum class Kind { Null, Boolean, Number, String, Array, Object };

    Kind kind() const { return kind_; }
    bool isNull() const { return kind_ == Kind::Null; }
    // Each accessor throws std::runtime_error when the value is of another kind.
    bool boolean() const;
    double number() const;
    const std::string& string() const;
    const std::vector<JsonValue>& array() const;
    const std::vector<std::pair<std::string, JsonValue>>& members() const;

    bool has(std::string_view key) const;
    // The member, or throws naming the missing key.
    const JsonValue& operator[](std::string_view key) const;

    // Whole numbers of an array, e.g. the segment lists.
    std::vector<int> integers() const;

    static std::optional<JsonValue> parse(std::string_view text);

  private:
    friend class JsonReader;
    Kind kind_ = Kind::Null;
    bool boolean_ = false;
    double number_ = 0;
    std::string string_;
    std::vector<JsonValue> array_;
    std::vector<std::pair<std::string, JsonValue>> members_;
};

} // namespace quirn::testing
