// Builds one-line JSON texts. Strings go in as UTF-8; bytes that are no valid UTF-8
// come out as U+FFFD so that every line stays valid JSON.
#pragma once

#include <string>
#include <string_view>

namespace quirn::script {

// The quoted, escaped string.
std::string jsonString(std::string_view utf8);
// Integral values without a fraction (5810), others as the shortest exact decimal
// (1937.5); NaN and infinities as null.
std::string jsonNumber(double value);

class JsonObject {
  public:
    JsonObject& text(std::string_view key, std::string_view utf8);
    JsonObject& number(std::string_view key, double value);
    JsonObject& boolean(std::string_view key, bool value);
    JsonObject& null(std::string_view key);
    JsonObject& raw(std::string_view key, std::string_view json);
    std::string str() const { return "{" + body_ + "}"; }

  private:
    std::string body_;
};

class JsonArray {
  public:
    JsonArray& text(std::string_view utf8);
    JsonArray& number(double value);
    JsonArray& raw(std::string_view json);
    std::string str() const { return "[" + body_ + "]"; }

  private:
    std::string body_;
};

} // namespace quirn::script
